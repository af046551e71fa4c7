#include "commands.h"

#include "book_command.h"

#include <ostream>

#include "data_stats.h"
#include "file_output.h"
#include "producer/data_producer.h"
#include "index/word_index.h"
#include "text_codec.h"
#include "tsv_files.h"
#include "word_tally.h"

namespace {

const char usage[] =
    "usage: quirel-mkdata pack WORDS_TSV HEADINGS_TSV WORD_INDEX_BIN HEADING_TABLE_BIN\n"
    "       quirel-mkdata stats DATA_SET...\n";

int refuse(std::ostream& err, const std::vector<std::string>& errors) {
  for (const std::string& error : errors) err << error << '\n';
  return 1;
}

using ListPacker = bool (*)(const std::string&, const std::string&, std::string&, std::vector<std::string>&);

// A list file read whole and packed; a file that cannot be read is one more
// fault, so both lists are always reported on.
bool packFile(const std::string& path, ListPacker pack, std::string& bytes, std::vector<std::string>& errors) {
  std::string text, error;
  if (!readWholeFile(path, text, error)) return errors.push_back(error), false;
  return pack(text, path, bytes, errors);
}

}  // namespace

int packCommand(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 4) {
    err << usage;
    return 2;
  }
  std::vector<std::string> errors;
  std::string wordIndex, headingTable;
  const bool wordsPacked = packFile(a[0], packWordList, wordIndex, errors);
  const bool headingsPacked = packFile(a[1], packHeadingList, headingTable, errors);
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
  if (commandLine[0] == "pack") return packCommand(rest, out, err);
  if (commandLine[0] == "stats") return statsCommand(rest, out, err);
  if (commandLine[0] == "book") return bookCommand(rest, out, err);
  err << usage << bookUsage;
  return 2;
}
