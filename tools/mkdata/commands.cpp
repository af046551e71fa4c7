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

const char packUsage[] = "quirel-mkdata pack WORDS_TSV HEADINGS_TSV WORD_INDEX_BIN HEADING_TABLE_BIN\n";
const char packHelp[] =
    "Packs the two lists into the two data sets, every rule of the formats\n"
    "checked; a broken line is reported with its file and line, and neither\n"
    "data set is replaced.\n";
const char statsUsage[] = "quirel-mkdata stats DATA_SET...\n";
const char statsHelp[] =
    "Prints the figures of each data set (word index or heading table) as\n"
    "Markdown; a data set that breaks a rule is reported with the rule.\n";

struct Command {
  const char* name;
  int (*run)(const Arguments&, std::ostream&, std::ostream&);
  const char* usage;
  const char* help;
};

const Command commands[] = {
    {"book", bookCommand, bookUsage, bookHelp},
    {"pack", packCommand, packUsage, packHelp},
    {"stats", statsCommand, statsUsage, statsHelp},
};

void printUsage(std::ostream& stream) {
  const char* lead = "usage: ";
  for (const Command& command : commands) {
    stream << lead << command.usage;
    lead = "       ";
  }
  stream << lead << "quirel-mkdata COMMAND --help\n";
}

void printCommandUsage(const Command& command, std::ostream& stream) { stream << "usage: " << command.usage; }

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
    printCommandUsage(commands[1], err);
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
    printCommandUsage(commands[2], err);
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
  const bool help = commandLine.size() == 2 && commandLine[1] == "--help";
  if (commandLine.size() == 1 && (commandLine[0] == "--help" || commandLine[0] == "-h")) {
    printUsage(out);
    return 0;
  }
  for (const Command& command : commands) {
    if (commandLine.empty() || commandLine[0] != command.name) continue;
    if (help) return printCommandUsage(command, out), out << '\n' << command.help, 0;
    return command.run(Arguments(commandLine.begin() + 1, commandLine.end()), out, err);
  }
  printUsage(err);
  return 2;
}
