// quirel-mkdata book BOOK.pdf OUT_DIR [options]: from a book's PDF to
// words.tsv, headings.tsv, book.txt (the book description), caption.h and
// the two packed data sets, all in OUT_DIR, all or none of them replaced.
#pragma once

#include "commands.h"

int bookCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

extern const char bookUsage[];   // one command line, without "usage: "
extern const char bookHelp[];
