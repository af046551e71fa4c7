// Term lookup on made-up word indexes: which words a term lists, the outcome
// in hitCount and message, and the pages marked in the slot's map.
#include <gtest/gtest.h>

#include <numeric>

#include "search/search_state.h"
#include "test_data.h"

namespace {

using Words = std::vector<std::string>;

struct Case {
  const char* term;  // UTF-8
  Words words;
  int hitCount;
  const char* message;
};

const Words kurbelFour = {"Kurbel", "Kurbelgeh\xE4use", "Kurbeltrieb", "Kurbelwelle"};

TEST(TermLookup, NineWordExamples) {
  installBook(nineWords());
  const Case cases[] = {
      {"Kurbel", kurbelFour, 4, nullptr},
      {"KURBEL", kurbelFour, 4, nullptr},
      {"Kurbelw", {"Kurbelwelle"}, 1, nullptr},
      {"Kurbelx", {}, -1, messageNotFound},
      {"Kurbelwellen", {}, -1, messageNotFound},
      {"ku", {"Kupplung", "Kurbel", "Kurbelgeh\xE4use", "Kurbeltrieb", "Kurbelwelle", "Kutsche"}, 6, nullptr},
      {"k", {"Kardanwelle", "Kupplung", "Kurbel", "Kurbelgeh\xE4use", "Kurbeltrieb", "Kurbelwelle", "Kutsche"}, 7, nullptr},
      {"*welle", {"Achswelle", "Kardanwelle", "Kurbelwelle", "Nockenwelle"}, 4, nullptr},
      {"*kurbel", kurbelFour, 4, nullptr},
      {"*urbel", kurbelFour, 4, nullptr},
      {"*w", {}, -1, messageStarTooShort},
      {"*", {}, -1, messageStarTooShort},
      {"", {}, 0, nullptr},
      {"Kurbel welle", {}, -1, messageInvalidSymbol},
      {" Kurbel", {}, -1, messageInvalidSymbol},
      {"Kurbel ", {}, -1, messageInvalidSymbol},
      {"*Kurbel*", {}, -1, messageInvalidSymbol},
      {"**", {}, -1, messageInvalidSymbol},
      {"*\x01", {}, -1, messageInvalidSymbol},   // the invalid symbol is reported before the short star term
      {"q", {}, -1, messageNotFound},            // a row of null buckets
      {"*zz", {}, -1, messageNotFound},
      {"Nockenwelle", {"Nockenwelle"}, 1, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lookUp(0, cp1252(c.term)), c.words) << c.term;
    EXPECT_EQ(searchState.hitCount[0], c.hitCount) << c.term;
    EXPECT_EQ(searchState.message, c.message) << c.term;
  }
}

std::vector<int> markedPages(int slot) {
  std::vector<int> pages;
  for (int page = 0; page < pageLimit; ++page) {
    if (searchState.termPages[slot][page] != 0) pages.push_back(page);
  }
  return pages;
}

TEST(TermLookup, MarksThePagesOfEveryWordTaken) {
  installBook({{"Kurbel", {4, 1799}}, {"Kurbelwelle", {0, 4, 7}}, {"Kutsche", {9}}});
  lookUp(2, "kurbel");
  EXPECT_EQ(markedPages(2), (std::vector<int>{0, 4, 7, 1799}));
  EXPECT_TRUE(markedPages(0).empty());
  lookUp(2, "kurbelx");
  EXPECT_TRUE(markedPages(2).empty()) << "a failed lookup clears what the previous one marked";
}

TEST(TermLookup, WordWithoutPagesIsTakenAndMarksNothing) {
  installBook({{"Kurbel", {}}, {"Kurbelwelle", {3}}});
  EXPECT_EQ(lookUp(0, "kurbel"), (Words{"Kurbel", "Kurbelwelle"}));
  EXPECT_EQ(searchState.hitCount[0], 2);
  EXPECT_EQ(markedPages(0), std::vector<int>{3});
}

// Words "wa000" ... in index order, each on its own page.
std::vector<ProducerWord> numberedWords(int count) {
  std::vector<ProducerWord> words;
  for (int i = 0; i < count; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "wa%03d", i);
    words.push_back({word, {i}});
  }
  return words;
}

TEST(TermLookup, ExactlyOneHundredWordsAreAllListed) {
  installBook(numberedWords(100));
  EXPECT_EQ(lookUp(1, "wa").size(), 100u);
  EXPECT_EQ(searchState.hitCount[1], 100);
  EXPECT_EQ(searchState.message, nullptr);
}

TEST(TermLookup, MoreThanOneHundredWordsStopAtTheLimit) {
  installBook(numberedWords(150));
  for (const char* term : {"wa", "*wa", "w"}) {
    Words words = lookUp(1, term);
    ASSERT_EQ(words.size(), 100u) << term;
    EXPECT_EQ(words.front(), "wa000");
    EXPECT_EQ(words.back(), "wa099");
    EXPECT_EQ(searchState.hitCount[1], overLimit);
    EXPECT_EQ(searchState.message, messageTooManyWords);
    std::vector<int> first100(100);
    std::iota(first100.begin(), first100.end(), 0);
    EXPECT_EQ(markedPages(1), first100) << "only the words taken mark pages";
  }
}

TEST(TermLookup, SubstringTwiceInOneKeyListsTheWordOnce) {
  installBook({{"abab", {1}}, {"xab", {2}}, {"a", {3}}});
  EXPECT_EQ(lookUp(0, "*ab"), (Words{"abab", "xab"}));
}

TEST(TermLookup, OtherSlotsKeepTheirOutcome) {
  installBook(nineWords());
  lookUp(0, "kurbel");
  lookUp(1, "xyz");
  lookUp(2, "*welle");
  EXPECT_EQ(searchState.hitCount[0], 4);
  EXPECT_EQ(searchState.hitCount[1], -1);
  EXPECT_EQ(searchState.hitCount[2], 4);
  EXPECT_EQ(markedPages(0), (std::vector<int>{4, 5, 6, 7}));
}

TEST(TermLookup, PrefixOfTheNextKeyComesFirst) {
  installBook({{cp1252("Kühl-Blech"), {2}}, {cp1252("Kühl"), {1}}, {"Kubus", {3}}, {"K-Wert", {4}}});
  EXPECT_EQ(lookUp(0, "k"), (Words{"K-Wert", "Kubus", cp1252("Kühl"), cp1252("Kühl-Blech")}));
  EXPECT_EQ(lookUp(0, cp1252("kühl")), (Words{cp1252("Kühl"), cp1252("Kühl-Blech")}));
}

// A prefix of three codes or more enters at its three-code run: a run the
// index lacks finds nothing at once, and the two-code key that opens its
// bucket is no run of its own.
TEST(TermLookup, ThreeCodeRunsLeadToTheWords) {
  installBook({{"mo", {1}}, {"moa", {2}}, {"mob", {3}}, {"mobil", {4}}, {"motor", {5}}, {"motoren", {6}},
               {"mu", {7}}, {"mut", {8}}});
  EXPECT_EQ(lookUp(0, "mo"), (Words{"mo", "moa", "mob", "mobil", "motor", "motoren"}));
  EXPECT_EQ(lookUp(0, "mob"), (Words{"mob", "mobil"}));
  EXPECT_EQ(lookUp(0, "moto"), (Words{"motor", "motoren"}));
  EXPECT_EQ(lookUp(0, "moc"), Words{});
  EXPECT_EQ(lookUp(0, "moz"), Words{});
  EXPECT_EQ(lookUp(0, "mut"), (Words{"mut"}));
}

// An index with more three-code runs than the table holds: the rows past
// its room are walked from their bucket and find the same words.
TEST(TermLookup, RunsBeyondTheTablesRoomAreWalked) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyz";
  std::vector<ProducerWord> words;
  for (char a : letters)
    for (char b : letters)
      for (char c : letters) words.push_back({std::string{a, b, c, 'x'}, {1}});
  ASSERT_GT(words.size(), 16384u);
  installBook(words);
  for (const char* term : {"aaa", "mno", "zzz", "zzzx", "yzab"}) {
    Words expected;
    if (std::string(term).size() == 3) expected = {std::string(term) + "x"};
    if (std::string(term) == "zzzx") expected = {"zzzx"};
    EXPECT_EQ(lookUp(0, term), expected) << term;
  }
}

}  // namespace
