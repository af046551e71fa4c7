#include "commands.h"

#include "book_command.h"

#include <ostream>

#include "data_stats.h"
#include "file_output.h"
#include "heading_check.h"
#include "producer/data_producer.h"
#include "index/word_index.h"
#include "outline_reader.h"
#include "text_codec.h"
#include "tsv_files.h"
#include "word_tally.h"

namespace {

const char usage[] =
    "usage: quirel-mkdata extract BOOK_TEXT OUTLINE FIRST_PDF_PAGE LAST_PDF_PAGE OUT_DIR\n"
    "       quirel-mkdata pack WORDS_TSV HEADINGS_TSV WORD_INDEX_BIN HEADING_TABLE_BIN\n"
    "       quirel-mkdata stats DATA_SET...\n";

bool parsePdfPage(const std::string& text, int& page) {
  if (text.empty() || text.size() > 6) return false;
  page = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    page = page * 10 + (c - '0');
  }
  return page > 0;
}

int refuse(std::ostream& err, const std::vector<std::string>& errors) {
  for (const std::string& error : errors) err << error << '\n';
  return 1;
}

}  // namespace

int extractCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
  PageRange range{};
  if (a.size() != 5 || !parsePdfPage(a[2], range.firstPdfPage) || !parsePdfPage(a[3], range.lastPdfPage)) {
    err << usage;
    return 2;
  }
  std::string bookText, outlineText, error;
  std::vector<BookLine> lines;
  std::vector<OutlineHeading> headings;
  std::vector<std::string> notes;
  if (!readWholeFile(a[0], bookText, error) || !readWholeFile(a[1], outlineText, error) ||
      !readBookPages(bookText, range, lines, error) ||
      !readOutline(outlineText, a[1], range, headings, notes, error)) {
    return refuse(err, {error});
  }
  for (const std::string& note : notes) err << note << '\n';
  for (const std::string& note : headingsNotOnTheirPage(headings, lines)) err << note << '\n';
  const std::vector<ScannedWord> scanned = scanWords(lines);
  std::size_t dropped = 0;
  const std::vector<TalliedWord> words = tallyWords(scanned, dropped);
  const std::string directory = a[4] + "/";
  if (!replaceFiles({{directory + "words.tsv", wordsTsv(words)}, {directory + "headings.tsv", headingsTsv(headings)}},
                    error)) {
    return refuse(err, {error});
  }
  out << "pages " << range.lastPdfPage - range.firstPdfPage + 1 << ", words scanned " << scanned.size()
      << ", entries " << words.size() << ", headings " << headings.size() << '\n';
  return 0;
}

int packCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 4) {
    err << usage;
    return 2;
  }
  std::vector<std::string> errors;
  std::string wordIndex, headingTable;
  const bool wordsPacked = packWordList(a[0], wordIndex, errors);
  const bool headingsPacked = packHeadingList(a[1], headingTable, errors);
  if (!wordsPacked || !headingsPacked) return refuse(err, errors);
  std::string error;
  if (!replaceFiles({{a[2], wordIndex}, {a[3], headingTable}}, error)) return refuse(err, {error});
  out << a[2] << ": " << wordIndex.size() << " bytes\n" << a[3] << ": " << headingTable.size() << " bytes\n";
  return 0;
}

int statsCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.empty()) {
    err << usage;
    return 2;
  }
  int result = 0;
  for (const std::string& path : a) {
    std::string content, error;
    if (!readWholeFile(path, content, error)) {
      result = refuse(err, {error});
      continue;
    }
    content += std::string(4, '\0');  // walks stop at the end marker; never read past the file
    const auto* bytes = reinterpret_cast<const unsigned char*>(content.data());
    const auto size = static_cast<uint32_t>(content.size() - 4);
    DataSetFault asIndex{}, asTable{};
    if (checkWordIndex(bytes, size, &asIndex)) {
      out << "## " << path << " (word index)\n\n" << wordIndexStats(bytes, size) << '\n';
    } else if (checkHeadingTable(bytes, size, &asTable)) {
      out << "## " << path << " (heading table)\n\n" << headingTableStats(bytes, size) << '\n';
    } else {
      result = refuse(err, {path + ": kein gültiger Datensatz; als Wortindex, Byte " +
                            std::to_string(asIndex.offset) + ": " + ruleSentence(asIndex.rule) +
                            "; als Überschriftentabelle, Byte " + std::to_string(asTable.offset) + ": " +
                            ruleSentence(asTable.rule)});
    }
  }
  return result;
}

int runMkdata(const Arguments& commandLine, std::ostream& out, std::ostream& err) {
  if (commandLine.empty()) {
    err << usage;
    return 2;
  }
  const Arguments rest(commandLine.begin() + 1, commandLine.end());
  if (commandLine[0] == "extract") return extractCommand(rest, out, err);
  if (commandLine[0] == "pack") return packCommand(rest, out, err);
  if (commandLine[0] == "stats") return statsCommand(rest, out, err);
  if (commandLine[0] == "book") return bookCommand(rest, out, err);
  err << usage << bookUsage;
  return 2;
}
