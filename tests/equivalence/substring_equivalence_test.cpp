// The substring search gives, from every place a lookup resumes, the same
// entry as the literal walk over every position of every key.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "literal_search.h"
#include "random_book.h"

namespace {

// Follows both scans through the whole index as a lookup would, resuming
// after each hit; gives the number of hits, or -1 at the first disagreement.
int compareScans(const WordEntry* start, const std::string& term) {
  auto length = static_cast<uint32_t>(term.size());
  int hits = 0;
  while (start != nullptr) {
    const WordEntry* expected = literalFindSubstringMatch(start, term.c_str(), length);
    const WordEntry* found = findSubstringMatch(start, term.c_str(), length);
    if (found != expected) return -1;
    if (found == nullptr) break;
    ++hits;
    start = nextEntry(found);
  }
  return hits;
}

std::string codes(const std::string& term) {
  std::string text;
  for (unsigned char c : term) text += std::to_string(c) + " ";
  return text;
}

TEST(SubstringEquivalence, RandomBooksAndTerms) {
  std::mt19937 random(20261207);
  int hits = 0;
  for (int book = 0; book < 60; ++book) {
    int longest = book % 3 == 0 ? 60 : 14;  // long keys leave the 32-byte look
    installWords(randomWords(random, 1 + static_cast<int>(random() % 400), longest));
    if (HasFatalFailure()) return;
    for (int t = 0; t < 60; ++t) {
      std::string term = randomTerm(random, book % 2 == 0 ? 4 : 9);
      int found = compareScans(entryAt(searchState.index), term);
      ASSERT_GE(found, 0) << "book " << book << ", term " << codes(term);
      hits += found;
    }
  }
  EXPECT_GT(hits, 10000);  // the terms do match, at many places
}

TEST(SubstringEquivalence, TermsAtTheEdgesOfKeys) {
  // Keys around the 32-byte look, the term at the first and the last position.
  std::vector<ProducerWord> words;
  for (int length = 2; length <= 40; ++length) {
    words.push_back({std::string(static_cast<size_t>(length - 1), 'a') + "b", {length}});
    words.push_back({"b" + std::string(static_cast<size_t>(length - 1), 'e'), {}});
  }
  installWords(words);
  for (const char* word : {"b", "ab", "aab", "ba", "be", "bee", "eee", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab",
                           "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "beeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee"}) {
    std::string term;
    ASSERT_TRUE(keyOfWord(word, term));
    EXPECT_GE(compareScans(entryAt(searchState.index), term), 0) << word;
  }
}

TEST(SubstringEquivalence, StartOutsideTheInstalledIndex) {
  std::mt19937 random(7);
  installWords(randomWords(random, 300, 20));
  std::vector<unsigned char> copy(searchState.index, searchState.index + searchState.indexSize);
  for (int t = 0; t < 200; ++t) {
    std::string term = randomTerm(random, 4);
    EXPECT_GE(compareScans(entryAt(copy.data()), term), 0) << codes(term);
  }
}

TEST(SubstringEquivalence, BuiltInBookEveryTwoCodeTerm) {
  ASSERT_TRUE(installBuiltInBook());
  for (char first = 1; first <= keyAlphabetSize; ++first) {
    for (char second = 1; second <= keyAlphabetSize; ++second) {
      std::string term{first, second};
      ASSERT_GE(compareScans(entryAt(searchState.index), term), 0) << codes(term);
    }
  }
}

TEST(SubstringEquivalence, BuiltInBookPiecesOfKeys) {
  ASSERT_TRUE(installBuiltInBook());
  std::mt19937 random(1);
  for (int t = 0; t < 400; ++t) {
    std::string term = randomTerm(random, 8);
    ASSERT_GE(compareScans(entryAt(searchState.index), term), 0) << codes(term);
  }
}

}  // namespace
