// The producer writes exactly the bytes of the formats, merges words by key,
// and refuses what it cannot store with the item and a reason.
#include <gtest/gtest.h>

#include "producer/data_producer.h"
#include "test_data.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes wordIndex(const std::vector<ProducerWord>& words) {
  Bytes bytes;
  ProducerError error;
  EXPECT_TRUE(produceWordIndex(words, bytes, error)) << error.reason;
  return bytes;
}

TEST(DataProducer, WordEntryBytes) {
  EXPECT_EQ(wordIndex({{cp1252("Kühl-Blech"), {345, 12, 345}}}),
            (Bytes{0x0E, 0x1B, 0x0B, 0x0F, 0x01, 0x05, 0x0F, 0x08, 0x06, 0x0B, 0x00,
                   0x4B, 0xFC, 0x68, 0x6C, 0x2D, 0x42, 0x6C, 0x65, 0x63, 0x68, 0x00,
                   0x02, 0x00, 0x0C, 0x00, 0x59, 0x01, 0x00, 0x00}));
  EXPECT_EQ(wordIndex({}), (Bytes{0, 0}));
}

TEST(DataProducer, HeadingEntryBytes) {
  Bytes bytes;
  ProducerError error;
  ASSERT_TRUE(produceHeadingTable({{40, 1, "2. Beispielkapitel"}, {47, 2, "2.3 Beispielabschnitt"}}, bytes, error));
  Bytes expected = {0x28, 0x00, 0x01};
  for (char c : std::string("2. Beispielkapitel")) expected.push_back(static_cast<unsigned char>(c));
  expected.insert(expected.end(), {0x00, 0x2F, 0x00, 0x02});
  for (char c : std::string("2.3 Beispielabschnitt")) expected.push_back(static_cast<unsigned char>(c));
  expected.insert(expected.end(), {0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(bytes, expected);
}

TEST(DataProducer, EqualKeysMergeIntoTheFirstForm) {
  Bytes merged = wordIndex({{cp1252("Ölbad"), {7, 3}}, {cp1252("ölbad"), {3, 5}}, {"x", {1}}});
  EXPECT_EQ(merged, wordIndex({{cp1252("Ölbad"), {3, 5, 7}}})) << "pages united, the one-code word left out";
  EXPECT_EQ(merged[0], 0x13);
}

struct Refusal {
  std::vector<ProducerWord> words;
  std::size_t item;
  const char* reason;
};

TEST(DataProducer, RefusesWhatCannotBeStored) {
  const Refusal cases[] = {
      {{{"gut", {1}}, {"caf\xE9", {2}}}, 1, "outside the key alphabet"},
      {{{"zwei Worte", {1}}}, 0, "outside the key alphabet"},
      {{{"gut", {1800}}}, 0, "page 1800 is not 0 to 1799"},
      {{{"gut", {-1}}}, 0, "page -1 is not 0 to 1799"},
      {{{std::string(880, 'a'), {1}}}, 0, "longer than 879"},
  };
  for (const Refusal& c : cases) {
    Bytes bytes;
    ProducerError error;
    EXPECT_FALSE(produceWordIndex(c.words, bytes, error)) << c.reason;
    EXPECT_EQ(error.item, c.item) << c.reason;
    EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
  }
}

TEST(DataProducer, RefusesHeadingsThatBreakTheTable) {
  const std::pair<std::vector<ProducerHeading>, const char*> cases[] = {
      {{{1, 2, "1.1 a"}}, "begin with a chapter"},
      {{{1, 1, "1. a"}, {2, 3, "1.0.1 b"}}, "subsection follows a chapter"},
      {{{5, 1, "1. a"}, {4, 2, "1.1 b"}}, "below the page"},
      {{{0, 1, "1. a"}}, "not 1 to 32767"},
      {{{1, 4, "x"}}, "level is not 1, 2 or 3"},
      {{{1, 1, "a\tb"}}, "tab, control"},
      {{{1, 1, std::string(978, 'x')}}, "exceed 977"},
  };
  for (const auto& [table, reason] : cases) {
    Bytes bytes;
    ProducerError error;
    EXPECT_FALSE(produceHeadingTable(table, bytes, error)) << reason;
    EXPECT_NE(error.reason.find(reason), std::string::npos) << error.reason;
  }
}

}  // namespace
