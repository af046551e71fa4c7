// How lines of book text become words: splits, strips, hyphen joins.
#include <gtest/gtest.h>

#include "text_codec.h"
#include "word_scanner.h"

namespace {

struct Line {
  int page;
  const char* text;  // UTF-8
};

// The words of the lines as "word@page", blank-separated.
std::string scanned(std::initializer_list<Line> lines) {
  std::vector<BookLine> book;
  for (const Line& line : lines) {
    BookLine bookLine{line.page, {}};
    std::size_t badOffset = 0;
    EXPECT_TRUE(decodeUtf8(line.text, bookLine.text, badOffset));
    book.push_back(bookLine);
  }
  std::string words;
  for (const ScannedWord& word : scanWords(book)) {
    words += (words.empty() ? "" : " ") + word.word + "@" + std::to_string(word.page);
  }
  return words;
}

TEST(WordScanner, SplitsAtEveryCharacterOutsideWords) {
  EXPECT_EQ(scanned({{1, "Achse, Spindel; (Motor) \"Kühl\"!"}}), "Achse@1 Spindel@1 Motor@1 Kühl@1");
  EXPECT_EQ(scanned({{1, "motion.spindle_speed: G-Code 12V"}}), "motion@1 spindle@1 speed@1 G-Code@1 12V@1");
  EXPECT_EQ(scanned({{1, "Maß MASS Öl-Pumpe 3/4 Rock'n'Roll"}}), "Maß@1 MASS@1 Öl-Pumpe@1 3/4@1 Rock'n'Roll@1");
  EXPECT_EQ(scanned({{1, "don’t ‘zitiert’ „Wort“"}}), "don't@1 zitiert@1 Wort@1");
}

TEST(WordScanner, StripsMarksAtTheEdgesButKeepsATrailingHyphen) {
  EXPECT_EQ(scanned({{1, "/usr/bin/ 'Wort' --verbose"}}), "usr/bin@1 Wort@1 verbose@1");
  EXPECT_EQ(scanned({{1, "Ein- und Ausgabe"}}), "Ein-@1 und@1 Ausgabe@1");
  EXPECT_EQ(scanned({{1, "- / ' -- x"}}), "");
}

TEST(WordScanner, DropsWordsWithForeignLettersWholeAndKeepsLengthLimits) {
  EXPECT_EQ(scanned({{1, "Café Straße señor µs Ωmega"}}), "Straße@1");
  EXPECT_EQ(scanned({{1, "a ab 1 12"}}), "ab@1 12@1");
  EXPECT_EQ(scanned({{1, "Donaudampfschifffahrtsgesellschaftskapit Donaudampfschifffahrtsgesellschaftskapitä"}}),
            "Donaudampfschifffahrtsgesellschaftskapit@1");  // 40 and 41 letters
  EXPECT_EQ(scanned({{1, "e\u0301lan ̀Wort"}}), "Wort@1");  // a combining accent joins its letter
}

TEST(WordScanner, JoinsAWordDividedAtALineEnd) {
  EXPECT_EQ(scanned({{1, "die Konfigura-"}, {1, "tion ist"}}), "die@1 Konfiguration@1 ist@1");
  EXPECT_EQ(scanned({{1, "Kühl-"}, {1, "wasser-"}, {1, "pumpe"}}), "Kühlwasserpumpe@1");
  EXPECT_EQ(scanned({{1, "Dreh-   "}, {1, "  zahl"}}), "Drehzahl@1");
}

TEST(WordScanner, KeepsTheHyphenBeforeACapitalOrADigit) {
  EXPECT_EQ(scanned({{1, "die Werkzeug-"}, {1, "Länge"}}), "die@1 Werkzeug-Länge@1");
  EXPECT_EQ(scanned({{1, "nach RS-"}, {1, "274"}}), "nach@1 RS-274@1");
  EXPECT_EQ(scanned({{1, "die 2-"}, {1, "achsige"}}), "die@1 2-achsige@1");
}

TEST(WordScanner, KeepsTheHyphenWhereTheBookWritesTheWordHyphenatedUnbroken) {
  EXPECT_EQ(scanned({{1, "Pin index-"}, {1, "enable"}, {2, "index-enable"}}), "Pin@1 index-enable@1 index-enable@2");
  EXPECT_EQ(scanned({{1, "index-"}, {1, "enable"}, {2, "indexenable index-enable"}}),
            "indexenable@1 indexenable@2 index-enable@2");
  EXPECT_EQ(scanned({{1, "index-"}, {1, "enable"}, {2, "index-"}, {2, "enable"}}), "indexenable@1 indexenable@2");
}

TEST(WordScanner, LeavesAHyphenAloneWhereNoWordContinues) {
  EXPECT_EQ(scanned({{1, "Ein-"}, {1, "und Ausgabe"}}), "Ein-@1 und@1 Ausgabe@1");
  EXPECT_EQ(scanned({{1, "Ein-"}, {1, "oder Ausgang"}}), "Ein-@1 oder@1 Ausgang@1");
  EXPECT_EQ(scanned({{1, "Vor-"}, {1, "• Punkt"}}), "Vor-@1 Punkt@1");
  EXPECT_EQ(scanned({{1, "Ende -"}, {1, "neu"}}), "Ende@1 neu@1");
  EXPECT_EQ(scanned({{1, "Schluss-"}}), "Schluss-@1");
  EXPECT_EQ(scanned({{1, "Vor- und Nach-"}, {1, "teil"}}), "Vor-@1 und@1 Nachteil@1");
}

TEST(WordScanner, AWordDividedAcrossPagesCountsForThePageItBeginsOn) {
  EXPECT_EQ(scanned({{7, "die Schritt-"}, {8, "motoren"}}), "die@7 Schrittmotoren@7");
  EXPECT_EQ(scanned({{7, "Schritt-"}, {7, ""}, {8, "Motor"}}), "Schritt-Motor@7");
}

}  // namespace
