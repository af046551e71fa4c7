// The bucket table: each pair of leading codes leads to the first word of its
// run, or to nothing.
#include <gtest/gtest.h>

#include "search/search_state.h"
#include "test_data.h"

namespace {

const WordEntry* bucket(const char* pair) {
  char codes[3] = {pair[0], pair[1], 0};
  EXPECT_TRUE(normaliseTerm(codes));
  return bucketNumbered(bucketNumber(codes[0], codes[1]));
}

std::string wordAt(const WordEntry* entry) { return entry == nullptr ? "(null)" : displayWordOf(entry); }

TEST(BucketTable, LeadsToTheFirstWordOfEachPair) {
  installBook({{"ab", {1}}, {"Abend", {1}}, {"Kupplung", {1}}, {"Kurbel", {1}}, {"zz", {1}}, {"Kardan", {1}}});
  const std::pair<const char*, const char*> cases[] = {
      {"ab", "ab"},          // a key of exactly two codes is its pair's bucket
      {"ku", "Kupplung"},    // the first of a run of several
      {"ka", "Kardan"},
      {"kb", "(null)"},      // no key begins with the pair
      {"aa", "(null)"},
      {"zz", "zz"},          // the last entry
      {"z9", "(null)"},      // beyond the last key
      {"99", "(null)"},
  };
  for (auto [pair, word] : cases) EXPECT_EQ(wordAt(bucket(pair)), word) << pair;
}

TEST(BucketTable, RowMajorOrderIsIndexOrder) {
  installBook(nineWords());
  const WordEntry* previous = nullptr;
  int filled = 0;
  for (int number = 0; number < bucketCount; ++number) {
    const WordEntry* entry = bucketNumbered(number);
    if (entry == nullptr) continue;
    ++filled;
    EXPECT_GT(entry, previous);
    previous = entry;
  }
  EXPECT_EQ(filled, 4);  // ac, ka, ku, no
}

// A key of one code compares less than every probe that begins with it, so
// the walk passes it; the next entry becomes the bucket.
TEST(BucketTable, SingleCodeKeyLandsInNoBucket) {
  installRawIndex({3, 0, 'a', 0, 1, 0, 5, 0,        // "a", page 5
                   3, 5, 0, 'a', 'b', 0, 1, 0, 6, 0,  // "ab", page 6
                   0, 0});
  EXPECT_EQ(wordAt(bucket("ab")), "ab");
  EXPECT_EQ(lookUp(0, "a"), std::vector<std::string>{"ab"});
}

TEST(BucketTable, EmptyIndexGivesNullBuckets) {
  installRawIndex({0, 0});
  for (int number = 0; number < bucketCount; ++number) EXPECT_EQ(bucketNumbered(number), nullptr);
  EXPECT_TRUE(lookUp(0, "ab").empty());
  EXPECT_EQ(searchState.message, messageNotFound);
  EXPECT_TRUE(lookUp(0, "*ab").empty());
}

TEST(BucketTable, MissingIndexGivesNullBuckets) {
  searchState.index = nullptr;
  buildBucketTable();
  EXPECT_EQ(bucket("ab"), nullptr);
  EXPECT_TRUE(lookUp(1, "*ab").empty());
  EXPECT_EQ(searchState.hitCount[1], -1);
}

}  // namespace
