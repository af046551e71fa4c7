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

TEST(WordTally, EntriesStandInKeyOrderWithPagesAscendingOnce) {
  EXPECT_EQ(tallied({{"Kühl", 3}, {"Kubus", 1}, {"Kühl-Blech", 2}, {"K-Wert", 4}, {"Kühl", 3}, {"Kuhle", 1}}),
            "K-Wert:4 Kubus:1 Kuhle:1 Kühl:3 Kühl-Blech:2 ");
  EXPECT_EQ(tallied({{"Maß", 2}, {"MASS", 1}, {"Masse", 1}}), "MASS:1 Masse:1 Maß:2 ");
}

}  // namespace
