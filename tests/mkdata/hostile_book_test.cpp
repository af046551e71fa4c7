// quirel-mkdata book on crafted PDFs (hostile_pdf.h), on paths that are no
// regular file, and on file names the description cannot hold: each is
// refused with one line, or made with a report that says what it met, and
// nothing of poppler's own reaches standard error.
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "hostile_pdf.h"
#include "pdf_maker.h"
#include "tool_runner.h"

namespace {

struct HostileCase {
  const char* pdf;              // a name of hostilePdfs()
  const char* reportHas;        // a piece of standard output
  const char* descriptionHas;   // a piece of book.txt; nullptr: not looked at
  const char* headings;         // headings.tsv whole; nullptr: not looked at
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.pdf; }

std::string bytesOf(const std::string& name) {
  for (const HostilePdf& pdf : hostilePdfs()) {
    if (name == pdf.name) return pdf.bytes();
  }
  ADD_FAILURE() << "no crafted PDF " << name;
  return "";
}

// Valid UTF-8, no control character but the tab and line end of each line,
// and no printed page in two runs.
void expectCleanDescription(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
    ASSERT_NE(length, 0u) << "byte " << at;
    ASSERT_TRUE(byte >= 0x20 || byte == '\t' || byte == '\n') << "byte " << at;
    ASSERT_NE(byte, 0x7F) << "byte " << at;
    ASSERT_FALSE(byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) << "C1 control at " << at;
    for (std::size_t i = 1; i < length; ++i) ASSERT_EQ(static_cast<unsigned char>(text[at + i]) & 0xC0, 0x80);
    at += length;
  }
}

class HostileBook : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileBook, IsMadeAndSaysWhatItMet) {
  ScratchDir scratch;
  writeFile(scratch.path("buch.pdf"), bytesOf(GetParam().pdf));
  const ToolRun run = runTool({"book", scratch.path("buch.pdf"), scratch.path("out")}, scratch);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(GetParam().reportHas), std::string::npos) << run.out;
  for (std::size_t start = 0; start < run.err.size(); start = run.err.find('\n', start) + 1)
    EXPECT_EQ(run.err.compare(start, 9, "heading \""), 0) << "not a note of the tool's own: " << run.err.substr(start, 200);
  const std::string description = readFile(scratch.path("out/book.txt"));
  expectCleanDescription(description);
  EXPECT_LT(description.size(), 8000u);
  if (GetParam().descriptionHas != nullptr) {
    EXPECT_NE(description.find(GetParam().descriptionHas), std::string::npos) << description;
  }
  if (GetParam().headings != nullptr) {
    EXPECT_EQ(readFile(scratch.path("out/headings.tsv")), GetParam().headings);
  }
}

const std::string hugeTitle = "title\t" + std::string(200, 'T') + "\n";

INSTANTIATE_TEST_SUITE_P(Labels, HostileBook, ::testing::Values(
    HostileCase{"labels-letters-huge", "printed pages are the PDF's page numbers", "\npages\t1\t3\t1\n", nullptr},
    HostileCase{"labels-roman-huge", "1 pages with roman labels, 0 with other", "\npages\t1\t1\t1\npages\t2\t2\t3\n", nullptr},
    HostileCase{"labels-prefix", "1 with other labels", "\npages\t1\t2\t1\n", nullptr},
    HostileCase{"labels-prefix-huge", "1 with other labels", "\npages\t1\t2\t1\n", nullptr},
    HostileCase{"labels-tree-deep", "0 with other labels", "\npages\t5\t7\t1\n", nullptr},
    HostileCase{"labels-tree-cyclic", "0 with other labels", "\npages\t5\t7\t1\n", nullptr}));

INSTANTIATE_TEST_SUITE_P(Outlines, HostileBook, ::testing::Values(
    HostileCase{"outline-deep-10000", "headings 3", nullptr, "1\t1\tEbene 1\n1\t2\tEbene 2\n1\t3\tEbene 3\n"},
    HostileCase{"outline-deep-100000", "headings 3", nullptr, "1\t1\tEbene 1\n1\t2\tEbene 2\n1\t3\tEbene 3\n"},
    HostileCase{"outline-cyclic", "headings 2", nullptr, "2\t1\tKapitel Eins\n2\t1\tKapitel Zwei\n"},
    HostileCase{"outline-missing-pages", "headings 0", nullptr, ""},
    HostileCase{"outline-name-tree-deep", "headings 1", nullptr, "2\t1\tKapitel Tief\n"},
    HostileCase{"outline-action-chain", "headings 1", nullptr, "2\t1\tKapitel Kette\n"},
    HostileCase{"outline-wide", "damaged PDF, made from what could be read: the outline cut at 20000 entries", nullptr,
                nullptr}));

INSTANTIATE_TEST_SUITE_P(Damage, HostileBook, ::testing::Values(
    HostileCase{"page-tree-damaged", "damaged PDF, made from what could be read: 20000 pages of its page tree unreadable",
                "\npdf-pages\t3\n", nullptr},
    HostileCase{"page-text-huge", "damaged PDF, made from what could be read: 1 pages' text cut at 32768 characters",
                nullptr, nullptr},
    HostileCase{"content-broken", "damaged PDF, made from what could be read: poppler reported 6 problems, the first: "
                                  "\"error (", nullptr, nullptr}));

INSTANTIATE_TEST_SUITE_P(Metadata, HostileBook, ::testing::Values(
    HostileCase{"date-out-of-range", "entries", "\ncaption\tDatumsbuch\n", nullptr},
    HostileCase{"title-huge", "entries", hugeTitle.c_str(), nullptr},
    HostileCase{"title-control", "entries", "\ntitle\tTitel mit Steuer zeichen\n", nullptr}));

// The rule for repeated labels is the page-label reader's (one page keeps
// the number, the others are left out); what is held here is its cost and
// size: no more than one run for page 7, or a one-line refusal when what is
// left holds too few words.
TEST(HostileBook, FiveThousandPagesLabelledSevenGiveOneRunAtMost) {
  ScratchDir scratch;
  writeFile(scratch.path("buch.pdf"), bytesOf("labels-all-seven"));
  const ToolRun run = runTool({"book", scratch.path("buch.pdf"), scratch.path("out")}, scratch);
  if (run.exitCode != 0) {
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    return;
  }
  const std::string description = readFile(scratch.path("out/book.txt"));
  const std::size_t first = description.find("\npages\t7\t7\t");
  EXPECT_NE(first, std::string::npos) << description;
  EXPECT_EQ(description.find("\npages\t7\t7\t", first + 1), std::string::npos) << description;
}

// Paths that are no regular file are refused before anything is opened
// that could block.
TEST(HostileFile, OnlyARegularFileIsRead) {
  ScratchDir scratch;
  std::filesystem::create_directory(scratch.path("ordner.pdf"));
  ASSERT_EQ(mkfifo(scratch.path("rohr.pdf").c_str(), 0644), 0);
  const std::pair<std::string, std::string> refusals[] = {
      {scratch.path("ordner.pdf"), "a directory, not a regular file; give the path of a file"},
      {scratch.path("rohr.pdf"), "a FIFO, not a regular file; give the path of a file"},
      {"/dev/null", "a character device, not a regular file; give the path of a file"},
      {scratch.path("fehlt.pdf"), "cannot open: No such file or directory"}};
  for (const auto& [path, message] : refusals) {
    const ToolRun run = runTool({"book", path, scratch.path("out")}, scratch);
    EXPECT_EQ(run.exitCode, 1) << path;
    EXPECT_EQ(run.err, path + ": " + message + "\n");
  }
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"ordner.pdf", "rohr.pdf"}));
}

TEST(HostileFile, AnUnreadableFileIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ScratchDir scratch;
  writeFile(scratch.path("buch.pdf"), "%PDF-1.4");
  chmod(scratch.path("buch.pdf").c_str(), 0);
  const ToolRun run = runTool({"book", scratch.path("buch.pdf"), scratch.path("out")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, scratch.path("buch.pdf") + ": cannot open: Permission denied\n");
}

// The description names the PDF, and a Quirel finds the file by that very
// name: a name it cannot hold as it is, is refused, with what to do.
TEST(HostileFile, ANameTheDescriptionCannotHoldIsRefused) {
  const std::pair<std::string, const char*> names[] = {
      {"Buch\tzwei.pdf", "holds a control character"},  {"Buch\nzwei.pdf", "holds a control character"},
      {"Buch\x7F.pdf", "holds a control character"},     {"Buch\xC2\x85.pdf", "holds a control character"},
      {"Buch\xFF.pdf", "is not valid UTF-8"},            {"Buch\xC3.pdf", "is not valid UTF-8"},
      {"B\xC3\xBC" "cher f\xC3\xBCr alle.pdf", nullptr}};
  for (const auto& [name, why] : names) {
    ScratchDir scratch;
    writePdf(scratch.path(name), smallBook());
    const ToolRun run = runTool({"book", scratch.path(name), scratch.path("out")}, scratch);
    if (why == nullptr) {
      EXPECT_EQ(run.exitCode, 0) << run.err;
      EXPECT_NE(readFile(scratch.path("out/book.txt")).find("\npdf-file\t" + name + "\n"), std::string::npos);
      continue;
    }
    std::string shown = scratch.path(name);
    for (char& c : shown) c = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    EXPECT_EQ(run.exitCode, 1) << name;
    EXPECT_EQ(run.err, shown + ": the file name " + why + "; rename the file\n");
  }
}

}  // namespace
