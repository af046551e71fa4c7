// quirel-mkdata book BOOK.pdf OUT_DIR [options]: from a book's PDF to
// words.tsv, headings.tsv, book.txt (the book description), caption.h and
// the two packed data sets, all in OUT_DIR, all or none of them replaced.
#pragma once

#include <string>
#include <vector>

#include "book_description.h"
#include "commands.h"
#include "file_output.h"
#include "outline_headings.h"
#include "page_labels.h"
#include "pdf_document.h"
#include "word_tally.h"

int bookCommand(const Arguments& arguments, std::ostream& out, std::ostream& err);

extern const char bookUsage[];   // one command line, without "usage: "
extern const char bookHelp[];

// The steps between poppler and the files, apart so that they can be run
// on a book made up in memory (the fuzz target does).
struct BookOptions {
  std::string pdfPath;
  std::string outDir;
  PageChoice pages;
  PartLevel parts = PartLevel::detect;
  BookReference reference;
  std::vector<std::string> pdfPlaces;   // where the book's own package installs the PDF
};

struct BookData {
  std::vector<int> printedOf;
  std::vector<TalliedWord> words;
  std::vector<OutlineHeading> headings;
  std::vector<std::string> notes;
  std::string report;
};

// The printed pages, words and headings of a book read from its PDF; false
// with a reason when the book is refused.
struct BookType;
// type: what the book's type tells, for headings where the outline and the
// contents pages give none; may be null.
bool collectBookData(PdfBook& book, const BookOptions& options, const BookType* type, BookData& data,
                     std::string& reason);

// The files of OUT_DIR, named within it; false with a reason when the lists
// break a data-set rule. The words are let go once listed, before the
// packing, which needs the memory.
bool bookFiles(const PdfBook& book, const BookOptions& options, BookData& data, std::vector<OutputFile>& files,
               std::string& reason);
