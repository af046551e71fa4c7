// The rules by which the book command reads a PDF, one table per rule:
// printed pages from labels, line-end joins and ligatures, headings from
// the outline.
#include <gtest/gtest.h>

#include <algorithm>

#include "contents_headings.h"
#include "outline_headings.h"
#include "page_labels.h"
#include "pdf_words.h"
#include "printed_headings.h"
#include "text_codec.h"
#include "word_scanner.h"

namespace {

struct LabelCase {
  std::vector<std::string> labels;
  PageChoice choice;
  std::vector<int> printedOf;  // empty: refused
};

std::vector<int> printedPages(const LabelCase& c) {
  PrintedPages pages;
  std::string reason;
  return choosePrintedPages(c.labels, c.choice, pages, reason) ? pages.printedOf : std::vector<int>{};
}

TEST(PrintedPages, FollowLabelsOffsetsAndRanges) {
  PageChoice offset2;
  offset2.offsetGiven = true;
  offset2.offset = 2;
  PageChoice upTo1799;
  upTo1799.lastPrinted = 1799;
  PageChoice middle;
  middle.firstPrinted = 2;
  middle.lastPrinted = 3;
  middle.leftOut = {{3, 3}};
  const LabelCase cases[] = {
      {{"i", "IV", "1", "2", "3"}, {}, {0, 0, 1, 2, 3}},           // roman front matter left out
      {{"1", "2", "A-1", "B", "3"}, {}, {1, 2, 0, 0, 3}},          // appendix labels left out
      {{"", "", "iii", ""}, {}, {1, 2, 0, 4}},                     // no label: the PDF page
      {{"1", "2", "3", "4"}, offset2, {0, 0, 1, 2}},               // an offset: PDF page minus offset
      {{"i", "1", "2", "3"}, middle, {0, 0, 2, 0}},                // range and a page left out by hand
      {{"1798", "1799", "1800"}, {}, {}},                          // above the last data page: refused
      {{"1798", "1799", "1800"}, upTo1799, {1798, 1799, 0}},       // unless a last page is chosen
      {{"i", "1", "3"}, middle, {}},                               // nothing left to index
      {{"0", "007", "1234567", "8", "9"}, {}, {0, 7, 0, 8, 9}},
      {{"1", "i", "ii", "1", "2", "3"}, {}, {0, 0, 0, 1, 2, 3}},   // a title page numbered 1 gives way to the body
      {{"1", "2", "i", "1", "2", "3"}, {}, {0, 0, 0, 1, 2, 3}},
      {{"1", "2", "3", "1", "2"}, {}, {1, 2, 3, 0, 0}},            // a part numbered again from 1
      {{"T-1", "X-12", "1", "2", "3"}, {}, {0, 0, 1, 2, 3}},       // labels with a prefix
      {{"i", "ii", "iii", "iv"}, {}, {1, 2, 3, 4}},                // all roman: the PDF's numbers
      {{"1", "2", "1", "2", "1", "2"}, {}, {0, 0, 0, 0, 1, 2}},    // equal runs: the later one
  };
  for (const LabelCase& c : cases) EXPECT_EQ(printedPages(c), c.printedOf) << c.labels.front();
}

// Every page labelled alike, or each with its own prefixed label: one page
// keeps the number, the rest are counted, at no great cost.
TEST(PrintedPages, ManyPagesOfOneLabelGiveOneRun) {
  PrintedPages pages;
  std::string reason;
  std::vector<std::string> labels(5000, "7");
  labels.push_back("8");
  for (int i = 0; i < 5000; ++i) labels.push_back("X-" + std::to_string(i));
  ASSERT_TRUE(choosePrintedPages(labels, {}, pages, reason)) << reason;
  EXPECT_EQ(std::count(pages.printedOf.begin(), pages.printedOf.end(), 0), 10001 - 2);
  EXPECT_EQ(pages.printedOf[4999], 7);
  EXPECT_EQ(pages.printedOf[5000], 8);
  EXPECT_EQ(pages.repeatedLabelPages, 4999);
}

// Two lines of a page as poppler gives them, and the words they yield.
struct LineCase {
  const char32_t* first;
  const char32_t* second;
  const char* words;
};

std::string scanned(const LineCase& c) {
  std::string words;
  for (const ScannedWord& word : scanWords(resolvedLines({{1, c.first}, {2, c.second}}))) words += (words.empty() ? "" : " ") + word.word;
  return words;
}

TEST(BookWords, LineEndsLigaturesAndSoftHyphens) {
  const LineCase cases[] = {
      {U"die Spindel-", U"drehzahl steigt", "die Spindeldrehzahl steigt"},
      {U"die Spindel-", U"Konfiguration", "die Spindel-Konfiguration"},
      {U"Spindel- und Achsensteuerung", U"", "Spindel- und Achsensteuerung"},
      {U"die Spindel-", U"und Achse", "die Spindel- und Achse"},
      {U"häu\uFB01g und o\uFB00en", U"\uFB02ach \uFB03zient \uFB04ig", "häufig und offen flach ffizient fflig"},
      {U"Werk\u00ADzeug", U"", "Werkzeug"},
      {U"das Werk\u00AD", U"zeug ist", "das Werkzeug ist"},
      {U"die Spindel\u00AD ", U"Konfiguration", "die SpindelKonfiguration"},
      {U"G\u2011Code und M\u2010Code", U"", "G-Code und M-Code"},
      {U"ein Café und Crème", U"brûlée", "ein und"},
      {U"Ein/Aus, I/O-Port's", U"", "Ein/Aus I/O-Port's"},
      {U"a b, x. 2", U"", ""},
  };
  for (const LineCase& c : cases) EXPECT_EQ(scanned(c), c.words) << encodeUtf8(c.first);
}

// A line at the top or foot of some of twelve pages ("#" is the page's
// number), and whether it is taken for a running head or footer.
struct EdgeCase {
  std::u32string line;
  bool atTop;
  std::vector<int> onPages;  // 1-based
  bool dropped;
};

bool droppedAsRunningLine(const EdgeCase& c) {
  std::vector<PdfPage> pages;
  std::vector<int> printedOf;
  for (int p = 1; p <= 12; ++p) {
    std::u32string line = c.line;
    const std::string digits = std::to_string(p);
    const std::u32string number(digits.begin(), digits.end());
    if (line.find(U'#') != std::u32string::npos) line.replace(line.find(U'#'), 1, number);
    const std::u32string own(1, U'a' + static_cast<char32_t>(p));  // no two pages alike
    PdfPage page{std::to_string(p), {U"a" + own, U"b" + own, U"mitten", U"c" + own, U"d" + own}};
    const bool here = std::find(c.onPages.begin(), c.onPages.end(), p) != c.onPages.end();
    if (here) page.lines.insert(c.atTop ? page.lines.begin() : page.lines.end(), line);
    pages.push_back(page);
    printedOf.push_back(p);
  }
  std::size_t lines = 0;
  bodyText(pages, printedOf, [&lines](const BookLine&) { ++lines; });
  return lines == 60;
}

// A word divided at the foot of a page, its rest on the next page after a
// repeated table header: the word is whole, on the page where it starts.
TEST(BookWords, AWordDividedAcrossPagesJoinsTheNextPagesBody) {
  const std::vector<BookLine> lines = {{7, U"Paket Größe"}, {7, U"Das Kernel-"}, {8, U"Paket Größe"},
                                       {8, U"Image ist groß"}};
  std::string words;
  for (const ScannedWord& word : scanWords(lines)) words += " " + word.word + "@" + std::to_string(word.page);
  EXPECT_EQ(words, " Paket@7 Größe@7 Das@7 Paket@8 Größe@8 Kernel-Image@7 ist@8 groß@8");
}

TEST(BookWords, RunningHeadsAndFootersAreRecurringEdgeLines) {
  const EdgeCase cases[] = {
      {U"Das Buch, Ausgabe 3   # / 12", true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true},
      {U"Seite #", false, {5}, true},                                      // the folio itself
      {U"Kapitel 2 Konfiguration", true, {2, 4, 6, 8, 10, 12}, true},     // every other page
      {U"Kapitel 2 Konfiguration", true, {3, 4, 5, 6, 7, 8}, true},
      {U"Es basiert auf QDialog.", false, {3, 4, 5}, false},              // text that ends a few pages
      {U"Der obige Code ergab dieses Beispiel:", true, {1, 3, 6, 8, 11, 12}, false},  // six, but with gaps
      {U"Tabelle # zeigt die 12 Achsen und ihre Grenzen im Betrieb", true, {7}, false},  // too long
      {U"12/8/26, 10:2# AM Das Buch", false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true},  // Chromium's date
      {U"file:///home/buch.html #/12", false, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true},
      {U"Kapitel 3 Grundlagen #", true, {2, 3, 4}, true},                  // a chapter's number in the head
      {U"Kapitel # Grundlagen", true, {3, 5, 7, 9, 11}, true},             // odd pages, the number the page's
  };
  for (const EdgeCase& c : cases) EXPECT_EQ(droppedAsRunningLine(c), c.dropped) << encodeUtf8(c.line);
}

TEST(BookWords, ContentsPagesAreMostlyDotLeaderEntries) {
  const std::u32string entry = U"1.2 Spindeln . . . . . . . 12";
  const std::pair<std::vector<std::u32string>, bool> cases[] = {
      {{U"Inhalt", entry, entry, U"1.3 Achsen ........ 14", entry, entry}, true},
      {{entry, entry, entry, entry}, false},                               // too few to tell
      {{entry, entry, entry, entry, entry, U"a", U"b", U"c", U"d", U"e", U"f"}, false},  // mostly text
      {{U"Die Werte 1 . . . 2", U"x", U"y", U"z", U"w", U"v"}, false},
  };
  for (const auto& [lines, contents] : cases) EXPECT_EQ(isContentsPage({"ii", lines}), contents) << lines.size();
}

struct OutlineCase {
  std::vector<PdfOutlineEntry> outline;
  const char* headings;  // "page level title" joined by "|"
};

std::string headingsOf(const OutlineCase& c, bool skipTop) {
  const std::vector<int> printedOf = {0, 1, 2, 3, 4, 5};  // PDF page 1 is front matter
  const std::vector<PdfPage> pages = {{"i", {}}, {"1", {U"1", U"1 Grundlagen"}}, {"2", {}}, {"3", {}},
                                      {"4", {}}, {"5", {}}};
  std::vector<std::string> notes;
  std::string text;
  for (const OutlineHeading& h : outlineHeadings(c.outline, skipTop, pages, printedOf, notes))
    text += (text.empty() ? "" : "|") + std::to_string(h.page) + " " + std::to_string(h.level) + " " + h.title;
  return text;
}

TEST(BookHeadings, LevelsTitlesAndLeftOutEntries) {
  const OutlineCase cases[] = {
      {{{1, "Grundlagen", 2}, {2, "Spindeln", 2}, {3, "Drehzahl", 3}, {4, "Zu tief", 3}, {2, "Achsen", 4},
        {1, "Aufbau", 5}},
       "1 1 1 Grundlagen|1 2 Spindeln|2 3 Drehzahl|3 2 Achsen|4 1 Aufbau"},  // the page prints "1 Grundlagen"
      {{{1, "3 Grundlagen", 3}, {2, "3.4 Spindeln", 3}}, "2 1 3 Grundlagen|2 2 3.4 Spindeln"},
      {{{1, "Inhaltsverzeichnis", 1}, {1, "Vorn", 1}, {1, "Grundlagen", 2}, {1, "Index", 6}, {2, "A", 6}},
       "1 1 1 Grundlagen"},
      {{{1, "Aufbau", 2}, {2, "Inhaltsverzeichnis", 3}, {3, "Einträge", 3}}, "1 1 Aufbau|2 2 Inhaltsverzeichnis|2 3 Einträge"},
      {{{1, "Grundlagen\tund  Aufbau \u2192", 3}}, "2 1 Grundlagen und Aufbau >"},
      {{{1, "Später", 4}, {1, "Früher", 2}}, "3 1 Später"},
      {{{2, "Waise", 2}, {1, "Kapitel", 2}, {3, "Ohne Abschnitt", 3}, {2, "Abschnitt", 3}}, "1 1 Kapitel|2 2 Abschnitt"},
  };
  for (const OutlineCase& c : cases) EXPECT_EQ(headingsOf(c, false), c.headings) << c.outline.front().title;
}

TEST(BookHeadings, PartLevelIsRecognisedAndSkipped) {
  const std::vector<PdfPage> pages = {
      {"1", {U"Grundlagen"}}, {"2", {U"Text des Kapitels mit vielen Wörtern"}}, {"3", {U"Text"}}};
  const std::vector<PdfOutlineEntry> parts = {{1, "Teil I Grundlagen", 1}, {2, "Spindeln", 2}, {3, "Drehzahl", 2},
                                              {1, "II Aufbau", 3}, {2, "Achsen", 3}, {1, "Index", 3}};
  const std::vector<PdfOutlineEntry> barePartPage = {{1, "Grundlagen", 1}, {2, "Spindeln", 2}};
  const std::vector<PdfOutlineEntry> chapters = {{1, "Grundlagen", 2}, {2, "Spindeln", 2}, {1, "Aufbau", 3}};
  EXPECT_TRUE(topLevelHoldsParts(parts, pages));
  EXPECT_TRUE(topLevelHoldsParts(barePartPage, pages));
  EXPECT_FALSE(topLevelHoldsParts(chapters, pages));
  EXPECT_EQ(headingsOf({parts, ""}, true), "1 1 Spindeln|1 2 Drehzahl|2 1 Achsen");
}

// A title as the outline gives it, the lines of its page, and the heading
// as the page prints it ("-" when the page does not print it as one).
struct PrintedCase {
  const char* title;
  std::vector<std::u32string> lines;
  const char* printed;
};

TEST(BookHeadings, TitlesAreTakenAsThePagePrintsThem) {
  const PrintedCase cases[] = {
      {"Eine Quelldatei ubersetzen", {U"15", U"2.1 Eine Quelldatei übersetzen", U"Text"}, "2.1 Eine Quelldatei übersetzen"},
      {"Tonhohen", {U"Kapitel 3: Übliche Notation 27", U"3.1.2 Tonhöhen"}, "3.1.2 Tonhöhen"},
      {"Das Debian-Labyrinth", {U"A.1 Das Debian-Labyrinth"}, "A.1 Das Debian-Labyrinth"},
      {"GNU/Linux-Lehrstunde", {U"Kapitel 1", U"GNU/Linux-Lehrstunde", U"Ich denke"}, "Kapitel 1 GNU/Linux-Lehrstunde"},
      {"Installing", {U"1", U"Installing"}, "Installing"},                     // "1" is the page's number
      {"\"Warum su\"", {U"4.5.3 \u201DWarum su\u201D"}, "4.5.3 \u201DWarum su\u201D"},
      {"Über das Einbinden anderer Partitionen", {U"9.6.14 Über das Einbinden anderer Partitio-", U"nen"},
       "9.6.14 Über das Einbinden anderer Partitionen"},
      {"Pakete in stable-backports", {U"5.1 Pakete in stable-", U"backports"}, "5.1 Pakete in stable-backports"},
      {"Grundlagen", {U"Das sind die Grundlagen"}, "-"},                     // within a sentence
      {"Path", {U"der Name von", U"path.", U"12.8.5 Path"}, "12.8.5 Path"},   // the numbered one
      {"Path", {U"der Name von", U"path.", U"Path", U"Text"}, "Path"},
      {"Path", {U"der Name von", U"path."}, "-"},
      {"Grundlagen", {U"Kapitel 3 Grundlagen 27"}, "-"},                      // a running head
  };
  for (const PrintedCase& c : cases) {
    std::string printed;
    EXPECT_EQ(findPrintedHeading(c.title, {"1", c.lines}, printed) ? printed : "-", c.printed) << c.title;
  }
}

}  // namespace

namespace {

// A book without an outline: its contents pages, as lines of pages, and
// the outline made of them ("depth title PDF page" joined by "|").
struct ContentsCase {
  std::vector<PdfPage> pages;
  const char* outline;
};

TEST(BookHeadings, ContentsPagesStandInForTheOutline) {
  const std::u32string leader = U" . . . . . . . ";
  const PdfPage dotLeaders{"i", {U"Inhalt", U"1 Grundlagen" + leader + U"1", U"1.1 Spindeln" + leader + U"1",
                                 U"1.1.1 Drehzahl" + leader + U"2", U"2 Aufbau" + leader + U"2", U"Index" + leader + U"9"}};
  const PdfPage list{"1", {U"Table of Contents", U"1. Grundlagen", U"1.1. Spindeln", U"Fu\u00DFzeile 1/9",
                           U"2. Aufbau", U"Ein Satz, der folgt."}};
  const ContentsCase cases[] = {
      {{dotLeaders, {"1", {}}, {"2", {}}}, "1 1 Grundlagen 2|2 1.1 Spindeln 2|3 1.1.1 Drehzahl 3|1 2 Aufbau 3"},
      {{list, {"2", {U"1. Grundlagen", U"Text", U"1.1. Spindeln"}}, {"3", {U"Text"}}, {"4", {U"Text", U"2. Aufbau"}}},
       "1 1. Grundlagen 2|2 1.1. Spindeln 2|1 2. Aufbau 4"},
      {{list, {"2", {U"Nichts davon"}}}, ""},                               // entries no page prints
      {{{"1", {U"Inhalt", U"1. Grundlagen", U"2. Aufbau", U"1. Grundlagen", U"Text", U"2. Aufbau"}}},
       "1 1. Grundlagen 1|1 2. Aufbau 1"},                                  // the body begins on its page
      {{{"1", {U"Der Inhalt", U"1. Grundlagen"}}, {"2", {U"1. Grundlagen"}}}, ""},  // no contents title
  };
  for (const ContentsCase& c : cases) {
    std::vector<int> printedOf;
    for (std::size_t p = 0; p < c.pages.size(); ++p) printedOf.push_back(c.pages[p].label == "i" ? 0 : static_cast<int>(p));
    std::string text;
    for (const PdfOutlineEntry& e : contentsOutline(c.pages, printedOf))
      text += (text.empty() ? "" : "|") + std::to_string(e.depth) + " " + e.title + " " + std::to_string(e.pdfPage);
    EXPECT_EQ(text, c.outline) << c.pages.front().lines.front().size();
  }
}

}  // namespace
