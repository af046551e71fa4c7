// quirel-mkdata book on small PDFs that each hold one thing real books
// did wrong: umlauts as a letter and a combining mark, a running head that
// changes with the chapter, a word divided across a page break, printed
// pages labelled twice, a book without an outline.
#include <gtest/gtest.h>

#include <map>

#include "pdf_maker.h"
#include "tool_runner.h"

namespace {

struct FaultBook {
  const char* name;
  MadeBook (*make)();
  std::vector<std::pair<const char*, const char*>> wordPages;  // "-": not indexed
  const char* headings;                                         // headings.tsv, whole
  const char* pageRuns;                                         // book.txt's "pages" lines
  const char* inReport;
};

void PrintTo(const FaultBook& book, std::ostream* out) { *out << book.name; }

// A body line of made-up words, so that each book has words enough.
std::vector<std::string> filler(int page) { return madeUpWords(page * 20, 20); }

MadeBook combiningMarks() {
  MadeBook book;
  book.title = "Tonho\xCC\x88hen";  // "o" and U+0308
  book.pages = {{"1", {"1 Tonho\xCC\x88hen", "Die Tonho\xCC\x88hen fu\xCC\x88r die U\xCC\x88" "bersicht"}}};
  for (int p = 2; p <= 6; ++p) book.pages.push_back({std::to_string(p), filler(p)});
  book.outline = {{1, "Tonhohen", 1}};  // the outline lost the mark
  return book;
}

MadeBook changingHead() {
  MadeBook book;
  for (int p = 1; p <= 12; ++p) {
    const std::string head = p <= 5 ? "KAPITEL 1. GRUNDLAGEN" : "KAPITEL 2. AUFBAU";
    std::vector<std::string> lines = {head + "   " + std::to_string(p)};
    for (const std::string& line : filler(p)) lines.push_back(line);
    if (p == 3) lines.push_back("Die Grundlagen");
    book.pages.push_back({std::to_string(p), lines});
  }
  return book;
}

MadeBook pageBreak() {
  MadeBook book;
  std::vector<std::string> first = {"Paket Gr\xC3\xB6\xC3\x9F" "e"};
  for (const std::string& line : filler(1)) first.push_back(line);
  first.push_back("Das Kernel-");
  book.pages = {{"1", first}, {"2", {"Paket Gr\xC3\xB6\xC3\x9F" "e", "Image ist gro\xC3\x9F"}}};
  for (int p = 3; p <= 6; ++p) book.pages.push_back({std::to_string(p), filler(p)});
  return book;
}

// The body's pages 1 to 5, and an appendix numbered again from 1.
MadeBook labelledTwice() {
  MadeBook book;
  book.pages = {{"i", {"Vorwort"}}};
  for (int p = 1; p <= 5; ++p) book.pages.push_back({std::to_string(p), filler(p)});
  book.pages.push_back({"1", {"Anhangseite"}});
  book.pages.push_back({"2", {"Anhangzwei"}});
  return book;
}

MadeBook withoutOutline() {
  MadeBook book;
  book.pages = {{"1", {"1 Grundlagen", "1.1 Spindeln", "Die Spindel dreht."}, {18, 14}},
                {"2", filler(2)},
                {"3", {"1.2 Achsen", "Die Achse steht.", "2 Aufbau"}, {14, 10, 18}}};
  for (int p = 4; p <= 7; ++p) book.pages.push_back({std::to_string(p), filler(p)});
  return book;
}

class FaultBookTest : public ::testing::TestWithParam<FaultBook> {};

TEST_P(FaultBookTest, IsReadAsItsReaderReadsIt) {
  const FaultBook& c = GetParam();
  ScratchDir scratch;
  writePdf(scratch.path("buch.pdf"), c.make());
  const ToolRun run = runTool({"book", scratch.path("buch.pdf"), scratch.path("neu/out")}, scratch);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::map<std::string, std::string> words;
  const std::string list = readFile(scratch.path("neu/out/words.tsv"));
  for (std::size_t start = 0, end; (end = list.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = list.substr(start, end - start);
    words[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1);
  }
  for (const auto& [word, pages] : c.wordPages) EXPECT_EQ(words.count(word) ? words[word] : "-", pages) << word;
  if (c.headings != nullptr) {
    EXPECT_EQ(readFile(scratch.path("neu/out/headings.tsv")), c.headings);
  }
  const std::string description = readFile(scratch.path("neu/out/book.txt"));
  EXPECT_EQ(description.substr(description.find("\npages\t") + 1), c.pageRuns);
  EXPECT_NE(run.out.find(c.inReport), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Books, FaultBookTest, ::testing::Values(
    FaultBook{"combining", combiningMarks,
              {{"Tonh\xC3\xB6hen", "1"}, {"f\xC3\xBCr", "1"}, {"\xC3\x9C" "bersicht", "1"}, {"Tonho", "-"}},
              "1\t1\t1 Tonh\xC3\xB6hen\n", "pages\t1\t6\t1\n", "from the outline"},
    FaultBook{"head", changingHead,
              {{"KAPITEL", "-"}, {"GRUNDLAGEN", "-"}, {"AUFBAU", "-"}, {"Grundlagen", "3"}},
              nullptr, "pages\t1\t12\t1\n", "12 running heads"},
    FaultBook{"break", pageBreak,
              {{"Kernel-Image", "1"}, {"Kernel-Paket", "-"}, {"Image", "-"}, {"Paket", "1,2"}},
              nullptr, "pages\t1\t6\t1\n", "from the typography"},
    FaultBook{"labels", labelledTwice,
              {{"Anhangseite", "-"}, {"Vorwort", "-"}, {"Wortau", "1"}},
              nullptr, "pages\t1\t5\t2\n", "1 pages with roman labels, 0 with other labels, 2 whose number"},
    FaultBook{"outline", withoutOutline,
              {{"Spindel", "1"}, {"Achsen", "3"}},
              "1\t1\t1 Grundlagen\n1\t2\t1.1 Spindeln\n3\t2\t1.2 Achsen\n3\t1\t2 Aufbau\n", "pages\t1\t7\t1\n",
              "from the typography"}));

}  // namespace
