// The commands of quirel-mkdata: pack and stats here, book in
// book_command.h. Each takes its arguments after the command name, writes
// its report to out and its complaints to err, and returns the process exit
// code: 0 done, 1 refused input, 2 misuse.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// WORDS_TSV HEADINGS_TSV WORD_INDEX_BIN HEADING_TABLE_BIN
int packCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);
// FILE...
int statsCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

int runMkdata(const Arguments& commandLine, std::ostream& out, std::ostream& err);
