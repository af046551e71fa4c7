// Opening the book at a result row: the row's page and the word to find on
// it reach the program, the description maps the page to a PDF page, and
// the PDF is found (or its absence told) before the viewer is asked.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "book/book_description.h"
#include "book/open_book.h"
#include "dialog/search_dialog.h"
#include "dialog_harness.h"
#include "dialog_model.h"
#include "platform/seam/user_actions.h"
#include "search/derived_tables.h"
#include "viewer/recorded_viewer.h"

namespace {

struct Opening {
  int printedPage;
  std::string word;  // cp1252
  bool operator==(const Opening&) const = default;
};
void PrintTo(const Opening& opening, std::ostream* out) { *out << opening.printedPage << " " << opening.word; }
std::vector<Opening> openings;
void recordOpening(HWND, int printedPage, const char* word) { openings.push_back({printedPage, word}); }
const SearchDialogServices recordingServices = {recordOpening};

void doubleClick(HWND dialog, int id, int index) {
  userSelectsLine(GetDlgItem(dialog, id), index);
  userDoubleClicksLine(GetDlgItem(dialog, id), index);
}

void setTerms(HWND dialog, const char* const (&terms)[3], const char* distanceText) {
  setText(dialog, distanceFieldId, distanceText);
  for (int slot = 0; slot < 3; ++slot) setText(dialog, firstTermFieldId + slot, cp(terms[slot]));
}

TEST(ResultRowDoubleClick, OpensTheRowsFirstPageAndNothingElseDoes) {
  installTestBook();
  openings.clear();
  runSearchDialog([](HWND dialog) {
    setTerms(dialog, {"kurbel", "getriebe", ""}, "2");
    ASSERT_EQ(linesOf(dialog, resultsListId).at(0).substr(0, 7), "10 - 12");
    pick(dialog, resultsListId, 0);                   // a single click opens nothing
    EXPECT_TRUE(openings.empty());
    doubleClick(dialog, resultsListId, 0);
    doubleClick(dialog, firstWordListId, 1);          // a word line: the word is taken
    setText(dialog, firstTermFieldId + 1, "zzz");    // only the message line is left
    doubleClick(dialog, resultsListId, 0);
    EndDialog(dialog, 0);
  }, &recordingServices);
  EXPECT_EQ(openings, (std::vector<Opening>{{10, "Kurbel"}}));
}

// The word on the row's first page: of the first slot with a hit there, the
// first word of its list that stands on the page (the test book:
// dialog_harness.cpp).
struct WordCase {
  const char* terms[3];
  const char* distance;
  int row;
  int page;          // the row's first page
  const char* word;  // UTF-8
};

TEST(ResultRowDoubleClick, TellsTheFirstWordOfTheFirstSlotThatStandsOnTheRowsPage) {
  const WordCase cases[] = {
      {{"kurb", "", ""}, "1", 0, 10, "Kurbel"},                       // a prefix: the list's first word
      {{"kurb", "", ""}, "1", 2, 48, "Kurbelwelle"},                  // ... or the first on the page
      {{"*welle", "", ""}, "1", 2, 47, "Nockenwelle"},                // a * term
      {{"achse", "kurbel", "getriebe"}, "2", 0, 10, "Kurbel"},        // only the second slot has the page
      {{"", "nockenwelle", ""}, "1", 0, 13, "Nockenwelle"},           // the first slot empty (its fill byte)
      {{"einund", "", ""}, "1", 0, 601, "Einundzwanzig"},             // more than 20 pages: "[21 Seiten]"
      {{"k\xC3\xBChl", "", ""}, "1", 0, 44, "K\xC3\xBChler"},     // an umlaut
  };
  for (const WordCase& c : cases) {
    installTestBook();
    openings.clear();
    runSearchDialog([&c](HWND dialog) {
      setTerms(dialog, c.terms, c.distance);
      doubleClick(dialog, resultsListId, c.row);
      EndDialog(dialog, 0);
    }, &recordingServices);
    EXPECT_EQ(openings, (std::vector<Opening>{{c.page, cp(c.word)}})) << c.terms[0] << "|" << c.terms[1];
  }
}

// Everything the dialog shows and keeps: its controls through their
// messages, and the engine's records byte for byte.
struct Snapshot {
  ShownDialog shown;
  std::vector<unsigned char> state, tables;
  int32_t distance;
  bool operator==(const Snapshot&) const = default;
};

template <typename Record> std::vector<unsigned char> bytesOf(const Record& record) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  return {bytes, bytes + sizeof record};
}

Snapshot snapshotOf(HWND dialog) {
  return {readShownDialog(dialog), bytesOf(searchState), bytesOf(derivedTables), distance};
}

// The dialog after the terms, a click on a row and, when `doubleClicked`, a
// double-click on it, then one more keystroke into a term field.
struct Differential {
  const char* terms[3];
  int row;
  int keystrokeSlot;
  const char* keystrokeText;  // the field's text after it
};

Snapshot afterKeystroke(const Differential& d, bool doubleClicked) {
  installTestBook();
  Snapshot after;
  runSearchDialog([&](HWND dialog) {
    setTerms(dialog, d.terms, "2");
    pick(dialog, resultsListId, d.row);
    if (doubleClicked) {
      const Snapshot before = snapshotOf(dialog);
      userDoubleClicksLine(GetDlgItem(dialog, resultsListId), d.row);
      EXPECT_TRUE(snapshotOf(dialog) == before) << d.terms[0] << ": the double-click changed the dialog";
    }
    setText(dialog, firstTermFieldId + d.keystrokeSlot, cp(d.keystrokeText));
    after = snapshotOf(dialog);
    EndDialog(dialog, 0);
  }, &recordingServices);
  return after;
}

TEST(ResultRowDoubleClick, ChangesNothingTheDialogShowsOrKeepsNorTheNextKeystroke) {
  const Differential cases[] = {
      {{"kurb", "getr", ""}, 0, 1, "getri"},
      {{"einund", "", ""}, 0, 0, "einundz"},
      {{"", "*welle", "kurbel"}, 1, 2, "kurbelw"},
  };
  for (const Differential& d : cases) {
    openings.clear();
    const Snapshot doubleClicked = afterKeystroke(d, true);
    ASSERT_EQ(openings.size(), 1u) << d.terms[0];
    EXPECT_TRUE(doubleClicked == afterKeystroke(d, false)) << d.terms[0];
  }
}

TEST(BookDescription, ReadsThePdfsFieldsAndPassesOverTheRest) {
  BookDescription pdf = readBookDescription(
      "# comment\nformat\t1\npdf-file\tBuch.pdf\r\npdf-sha256\tab12\npdf-place\t/usr/share/doc/b\n"
      "pages\t1\t10\t5\npages\t3\t2\t1\npages\tx\t4\t4\nunknown\tfield\npdf-place\t\n");
  EXPECT_EQ(pdf.fileName, "Buch.pdf");
  EXPECT_EQ(pdf.sha256, "ab12");
  EXPECT_EQ(pdf.places, std::vector<std::string>{"/usr/share/doc/b"});
  ASSERT_EQ(pdf.runs.size(), 1u);  // the backward and the broken run are no runs
}

TEST(BookDescription, PrintedPagesMapThroughTheirRuns) {
  const BookDescription pdf = readBookDescription("pages\t1\t10\t5\npages\t11\t20\t17\n");
  const struct { int printed, pdfPage; } cases[] = {
      {1, 5}, {10, 14},   // the first run's ends
      {11, 17}, {20, 26}, // the second run, after a page left out of the PDF's count
      {25, 31},           // beyond the last run: its offset goes on
  };
  for (auto c : cases) EXPECT_EQ(pdfPageOf(pdf, c.printed), c.pdfPage) << c.printed;
  EXPECT_EQ(pdfPageOf(readBookDescription(""), 42), 42);  // no runs: where numbered
}

// A temporary directory per test, gone afterwards.
struct BookFolders : ::testing::Test {
  std::filesystem::path root = std::filesystem::temp_directory_path() /
                               ("quirel-open-" + std::to_string(::getpid()));
  std::vector<std::string> told;
  void SetUp() override { std::filesystem::create_directories(root / "first"), std::filesystem::create_directories(root / "second"); }
  void TearDown() override { std::filesystem::remove_all(root); }
  std::string place(const char* name) { return (root / name).string(); }
  void write(const char* folder, const std::string& name, const std::string& bytes) {
    std::ofstream(root / folder / name, std::ios::binary) << bytes;
  }
};

std::vector<std::string>* toldTo = nullptr;
void tellTest(HWND, const char* text) { toldTo->push_back(text); }

TEST_F(BookFolders, APdfFoundNowhereIsToldWithEveryPlaceLookedIn) {
  toldTo = &told;
  BookDescription pdf = readBookDescription("pdf-file\tBuch.pdf\n");
  openBookIn(pdf, {place("first"), place("second")}, 3, "Welle", nullptr, tellTest);
  RecordedDocument opened;
  EXPECT_FALSE(takeRecordedDocument(opened));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("\x84" "Buch.pdf\x93"), std::string::npos);
  EXPECT_NE(told[0].find("\n" + place("first") + "\n" + place("second")), std::string::npos);
}

TEST_F(BookFolders, TheFirstPlaceHoldingItWinsAndAnOddNamePassesWhole) {
  toldTo = &told;
  const std::string name = "-b \"u\" $(ch); 1.pdf";
  write("second", name, "%PDF");
  BookDescription pdf = readBookDescription("pdf-file\t" + name + "\npages\t1\t9\t3\n");
  openBookIn(pdf, {place("first"), place("second")}, 2, "-K\xFChler", nullptr, tellTest);
  RecordedDocument opened;
  ASSERT_TRUE(takeRecordedDocument(opened));
  EXPECT_EQ(opened.path, (root / "second" / name).string());
  EXPECT_EQ(opened.page, 4);
  EXPECT_EQ(opened.word, "-K\xC3\xBChler");  // cp1252 to UTF-8
  EXPECT_TRUE(told.empty());  // no checksum given: nothing to compare
}

TEST_F(BookFolders, AnotherPrintingOpensAndIsToldOnce) {
  toldTo = &told;
  write("first", "Buch.pdf", "%PDF reprint");
  // The SHA-256 of "%PDF": not this file's.
  BookDescription pdf = readBookDescription("pdf-file\tBuch.pdf\npdf-sha256\t"
                            "bb4a6ae0ba71e9de3d6fbc8ab5c6b1c1c4e3e3d4ba3a4f1e0e1c6e3e2a1f9d8c\n");
  for (int i = 0; i < 2; ++i) openBookIn(pdf, {place("first")}, 7, "Welle", nullptr, tellTest);
  RecordedDocument opened;
  EXPECT_TRUE(takeRecordedDocument(opened));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("Pr\xFC" "fsumme"), std::string::npos);
}

TEST_F(BookFolders, TheRightPrintingIsNotTold) {
  toldTo = &told;
  write("first", "Buch.pdf", "abc");
  BookDescription pdf = readBookDescription("pdf-file\tBuch.pdf\npdf-sha256\t"
                            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n");
  openBookIn(pdf, {place("first")}, 1, "Welle", nullptr, tellTest);
  RecordedDocument opened;
  EXPECT_TRUE(takeRecordedDocument(opened));
  EXPECT_TRUE(told.empty());
}

}  // namespace
