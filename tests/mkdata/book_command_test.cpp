// quirel-mkdata book run as a user runs it, on PDFs the tests write: a
// small book that holds what the command must recognise, and the files it
// must refuse with one line, exit status 1 and OUT_DIR as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "pdf_maker.h"
#include "search/search_state.h"
#include "tool_runner.h"

namespace {

std::map<std::string, std::string> tsvLines(const std::string& text) {
  std::map<std::string, std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    lines[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1);
  }
  return lines;
}

// The result rows the search engine gives for one term over the data sets
// in a directory.
std::vector<std::string> resultRows(const std::string& directory, const char* term) {
  static std::string index, headings;  // the engine keeps pointing into them
  index = readFile(directory + "/word_index.bin");
  headings = readFile(directory + "/heading_table.bin");
  DataSetFault fault{};
  if (!installDataSets(reinterpret_cast<const unsigned char*>(index.data()), static_cast<uint32_t>(index.size()),
                       reinterpret_cast<const unsigned char*>(headings.data()),
                       static_cast<uint32_t>(headings.size()), &fault))
    return {std::string("refused: ") + dataRuleText(fault.rule)};
  std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
  std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  std::strcpy(searchState.termText, term);
  for (const WordEntry* entry = findFirstMatch(0); entry != nullptr; entry = findNextMatch(0, entry)) {
  }
  distance = 0;
  std::vector<std::string> rows;
  if (!combineTerms()) return rows;
  resetResultRows();
  while (nextResultRow()) rows.emplace_back(searchState.lineText);
  return rows;
}

TEST(BookCommand, SmallBookEndToEnd) {
  ScratchDir scratch;
  writePdf(scratch.path("buch.pdf"), smallBook());
  const ToolRun run = runTool(
      {"book", scratch.path("buch.pdf"), scratch.path("out"), "--pdf-place", "/usr/share/doc/buch"}, scratch);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("2 pages with roman labels, 1 with other labels, 0 whose number a later run of pages carries, 1 of the index"), std::string::npos)
      << run.out;
  const ToolRun check = runTool({"stats", scratch.path("out/word_index.bin"), scratch.path("out/heading_table.bin")},
                                scratch);
  EXPECT_EQ(check.exitCode, 0) << check.err;
  std::map<std::string, std::string> words = tsvLines(readFile(scratch.path("out/words.tsv")));
  const std::pair<const char*, const char*> pagesOf[] = {
      {"Spindeldrehzahl", "2"}, {"Spindel-Konfiguration", "2"}, {"Spindel-", "3"}, {"h\xC3\xA4ufig", "3"},
      {"Wortaa", "4"},          {"Wortdv", "4"},                {"Grundlagen", "1,2"}, {"Aufbau", "1,5"},
      {"Caf", nullptr},         {"Seite", nullptr},            {"Spindelbuch", nullptr}, {"Titelblatt", nullptr},
      {"Inhaltsverzeichnis", nullptr}, {"Anhangwort", nullptr}, {"Stichwort", nullptr}};
  for (const auto& [word, pages] : pagesOf) EXPECT_EQ(words.count(word) ? words[word] : "-", pages ? pages : "-") << word;
  EXPECT_EQ(readFile(scratch.path("out/headings.tsv")),
            "2\t1\t1. Grundlagen\n2\t2\t1.1 Spindeln\n3\t3\t1.1.1 Drehzahl\n4\t2\t1.2 Achsen\n5\t1\t2. Aufbau\n");
  EXPECT_EQ(resultRows(scratch.path("out"), "spindeldrehzahl"),
            (std::vector<std::string>{"2\t1. Grundlagen --- 1.1 Spindeln"}));
  EXPECT_EQ(resultRows(scratch.path("out"), "wortaa"),
            (std::vector<std::string>{"4\t1. Grundlagen --- 1.2 Achsen"}));
  const std::string description = readFile(scratch.path("out/book.txt"));
  EXPECT_NE(description.find("caption\tDas Spindelbuch, Erika Muster, 20"), std::string::npos) << description;
  EXPECT_NE(description.find("pdf-file\tbuch.pdf\n"), std::string::npos);
  EXPECT_NE(description.find("\npages\t1\t5\t3\n"), std::string::npos) << description;
  EXPECT_NE(description.find("\npdf-place\t/usr/share/doc/buch\n"), std::string::npos) << description;
  EXPECT_EQ(readFile(scratch.path("out/pdf-directory")),
            std::filesystem::path(scratch.path("buch.pdf")).parent_path().string() + "\n");
  EXPECT_NE(readFile(scratch.path("out/caption.h"))
                .find("#define QUIREL_CAPTION \"Quirel - Volltextsuche f\\xFCr Das Spindelbuch, Erika Muster, 20"),
            std::string::npos);
}

// A PDF whose standard security handler wants a password that the empty
// one is not: poppler opens it only as locked.
std::string lockedPdf() {
  std::string pdf = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  const std::string objects[] = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
                           "<< /Filter /Standard /V 1 /R 2 /P -4 /O <" + std::string(64, 'a') + "> /U <" +
                               std::string(64, 'b') + "> >>"};
  int number = 1;
  for (const std::string& object : objects) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(number++) + " 0 obj\n" + object + "\nendobj\n";
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 5\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    char line[24];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    pdf += line;
  }
  pdf += "trailer\n<< /Size 5 /Root 1 0 R /Encrypt 4 0 R /ID [<0123456789abcdef0123456789abcdef> "
         "<0123456789abcdef0123456789abcdef>] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

struct Refusal {
  const char* name;
  const char* message;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

void writeRefusedBook(const std::string& name, const std::string& path) {
  const std::string kind = name;
  if (kind == "text") return writeFile(path, "Dies ist kein PDF, nur Text.\n");
  if (kind == "locked") return writeFile(path, lockedPdf());
  MadeBook book;
  if (kind == "blank") book.pages = {{"1", {}}, {"2", {}}};
  if (kind == "few") book.pages = {{"1", madeUpWords(0, 99)}};
  if (kind == "long") book.pages = {{"1799", madeUpWords(0, 100)}, {"1800", {"Zuviel"}}};
  writePdf(path, book);
}

class BookRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(BookRefusal, IsOneLineAndTouchesNothing) {
  ScratchDir scratch;
  writeRefusedBook(GetParam().name, scratch.path("buch.pdf"));
  writeFile(scratch.path("words.tsv"), "old");
  const ToolRun run = runTool({"book", scratch.path("buch.pdf"), scratch.path(".")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, scratch.path("buch.pdf") + ": " + GetParam().message + "\n");
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"buch.pdf", "words.tsv"}));
  EXPECT_EQ(readFile(scratch.path("words.tsv")), "old");
}

INSTANTIATE_TEST_SUITE_P(Files, BookRefusal, ::testing::Values(
    Refusal{"text", "not a PDF file"},
    Refusal{"locked", "the PDF needs a password to open"},
    Refusal{"blank", "the PDF has no text layer; run it through OCR first"},
    Refusal{"few", "only 99 distinct words, fewer than 100; is it the book's PDF, and do --printed-pages and "
                   "--leave-out leave enough?"},
    Refusal{"long", "printed pages go up to 1800, above 1799, the data format's last page; choose a last page "
                    "with --printed-pages FIRST-LAST"}));

// OUT_DIR's missing parents are made; one that cannot be made is named.
TEST(BookCommand, OutDirIsMadeWithItsParents) {
  ScratchDir scratch;
  writeRefusedBook("long", scratch.path("buch.pdf"));
  writeFile(scratch.path("datei"), "");
  const ToolRun made = runTool({"book", scratch.path("buch.pdf"), scratch.path("a/b/c"), "--printed-pages", "1-1799"},
                               scratch);
  EXPECT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(readFile(scratch.path("a/b/c/words.tsv")).substr(0, 7), "Wortaa\t");
  const ToolRun refused = runTool({"book", scratch.path("buch.pdf"), scratch.path("datei/c"), "--printed-pages", "1-1799"},
                                  scratch);
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err.rfind(scratch.path("datei/c") + ": cannot create the directory", 0), 0u) << refused.err;
  EXPECT_NE(refused.err.find("choose another OUT_DIR"), std::string::npos) << refused.err;
}

TEST(BookCommand, LastPageOptionAdmitsALongBook) {
  ScratchDir scratch;
  writeRefusedBook("long", scratch.path("buch.pdf"));
  const ToolRun run =
      runTool({"book", scratch.path("buch.pdf"), scratch.path("out"), "--printed-pages", "1-1799"}, scratch);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(tsvLines(readFile(scratch.path("out/words.tsv")))["Wortaa"], "1799");
}

}  // namespace
