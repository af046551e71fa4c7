// One entry per key: the display word and the pages of all its forms.
#include <gtest/gtest.h>

#include "word_tally.h"

namespace {

// The tally as "display:pages" lines.
std::string tallied(std::initializer_list<std::pair<const char*, int>> forms) {
  std::vector<ScannedWord> words;
  for (const auto& [form, page] : forms) words.push_back({form, page, words.size()});
  std::size_t dropped = 0;
  std::string result;
  for (const TalliedWord& word : tallyWords(words, dropped)) {
    result += word.displayWord + ":";
    for (int page : word.pages) result += std::to_string(page) + (page == word.pages.back() ? "" : ",");
    result += " ";
  }
  return result;
}

TEST(WordTally, DisplayWordIsTheFormSeenMostOften) {
  EXPECT_EQ(tallied({{"kurbel", 1}, {"Kurbel", 2}, {"Kurbel", 3}}), "Kurbel:1,2,3 ");
  EXPECT_EQ(tallied({{"ÖL", 5}, {"Öl", 4}, {"öl", 3}, {"Öl", 9}}), "Öl:3,4,5,9 ");
}

TEST(WordTally, ATieGoesToTheFormThatComesFirstInTheBook) {
  EXPECT_EQ(tallied({{"Welle", 9}, {"welle", 2}}), "Welle:2,9 ");
  EXPECT_EQ(tallied({{"GUI", 1}, {"Gui", 1}, {"Gui", 2}, {"GUI", 3}}), "GUI:1,2,3 ");
}

// A word joined at a line-end hyphen reaches the tally after the book's
// last word, yet a tie still goes to the form that comes first.
TEST(WordTally, ADividedWordCountsWhereItStandsInTheBook) {
  WordTally tally;
  WordScanner scanner(tally);
  for (const BookLine& line : std::vector<BookLine>{{1, U"die Konfigura-"}, {1, U"tion"}, {2, U"KONFIGURATION"}})
    scanner.line(line);
  scanner.end();
  std::size_t dropped = 0;
  const std::vector<TalliedWord> words = tally.tallied(dropped);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[1].displayWord, "Konfiguration");
  EXPECT_EQ(words[1].pages, (std::vector<int>{1, 2}));
}

// Thousands of forms, each on a page of its own, and one on every page: the
// table of forms grows many times over and loses none.
TEST(WordTally, ThousandsOfFormsKeepTheirOwnPages) {
  std::vector<ScannedWord> words;
  for (int page = 1; page <= 5000; ++page) {
    words.push_back({"Wort" + std::to_string(page), page, words.size()});
    words.push_back({"und", page, words.size()});
  }
  std::size_t dropped = 0;
  const std::vector<TalliedWord> tallied = tallyWords(words, dropped);
  ASSERT_EQ(tallied.size(), 5001u);
  for (const TalliedWord& word : tallied) {
    if (word.displayWord == "und") {
      EXPECT_EQ(word.pages.size(), 5000u);
    } else {
      EXPECT_EQ(word.pages, std::vector<int>{std::stoi(word.displayWord.substr(4))}) << word.displayWord;
    }
  }
}

TEST(WordTally, EntriesStandInKeyOrderWithPagesAscendingOnce) {
  EXPECT_EQ(tallied({{"Kühl", 3}, {"Kubus", 1}, {"Kühl-Blech", 2}, {"K-Wert", 4}, {"Kühl", 3}, {"Kuhle", 1}}),
            "K-Wert:4 Kubus:1 Kuhle:1 Kühl:3 Kühl-Blech:2 ");
  EXPECT_EQ(tallied({{"Maß", 2}, {"MASS", 1}, {"Masse", 1}}), "MASS:1 Masse:1 Maß:2 ");
}

}  // namespace
