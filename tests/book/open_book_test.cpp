// Opening the book at a result row: the row's page reaches the program, the
// description maps it to a PDF page, and the PDF is found (or its absence
// told) before the viewer is asked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "book/book_description.h"
#include "book/open_book.h"
#include "dialog/search_dialog.h"
#include "dialog_harness.h"
#include "platform/seam/user_actions.h"
#include "viewer/recorded_viewer.h"

namespace {

std::vector<int> pagesAsked;
void recordPage(HWND, int printedPage) { pagesAsked.push_back(printedPage); }
const SearchDialogServices recordingServices = {recordPage};

void doubleClick(HWND dialog, int id, int index) {
  userSelectsLine(GetDlgItem(dialog, id), index);
  userDoubleClicksLine(GetDlgItem(dialog, id), index);
}

TEST(ResultRowDoubleClick, OpensTheRowsFirstPageAndNothingElseDoes) {
  installTestBook();
  pagesAsked.clear();
  runSearchDialog([](HWND dialog) {
    setText(dialog, distanceFieldId, "2");
    setText(dialog, firstTermFieldId, "kurbel");
    setText(dialog, firstTermFieldId + 1, "getriebe");
    ASSERT_EQ(linesOf(dialog, resultsListId).at(0).substr(0, 7), "10 - 12");
    pick(dialog, resultsListId, 0);                   // a single click opens nothing
    EXPECT_TRUE(pagesAsked.empty());
    doubleClick(dialog, resultsListId, 0);
    doubleClick(dialog, firstWordListId, 1);          // a word line: the word is taken
    setText(dialog, firstTermFieldId + 1, "zzz");    // only the message line is left
    doubleClick(dialog, resultsListId, 0);
    EndDialog(dialog, 0);
  }, &recordingServices);
  EXPECT_EQ(pagesAsked, std::vector<int>{10});
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
  openBookIn(pdf, {place("first"), place("second")}, 3, nullptr, tellTest);
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
  openBookIn(pdf, {place("first"), place("second")}, 2, nullptr, tellTest);
  RecordedDocument opened;
  ASSERT_TRUE(takeRecordedDocument(opened));
  EXPECT_EQ(opened.path, (root / "second" / name).string());
  EXPECT_EQ(opened.page, 4);
  EXPECT_TRUE(told.empty());  // no checksum given: nothing to compare
}

TEST_F(BookFolders, AnotherPrintingOpensAndIsToldOnce) {
  toldTo = &told;
  write("first", "Buch.pdf", "%PDF reprint");
  // The SHA-256 of "%PDF": not this file's.
  BookDescription pdf = readBookDescription("pdf-file\tBuch.pdf\npdf-sha256\t"
                            "bb4a6ae0ba71e9de3d6fbc8ab5c6b1c1c4e3e3d4ba3a4f1e0e1c6e3e2a1f9d8c\n");
  for (int i = 0; i < 2; ++i) openBookIn(pdf, {place("first")}, 7, nullptr, tellTest);
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
  openBookIn(pdf, {place("first")}, 1, nullptr, tellTest);
  RecordedDocument opened;
  EXPECT_TRUE(takeRecordedDocument(opened));
  EXPECT_TRUE(told.empty());
}

}  // namespace
