// What the program knows of its book's PDF, read from the book description
// it carries (book.txt of `quirel-mkdata book`, one "name<TAB>value" field
// per line): the file's name and checksum, where the book's own package puts
// it, and which PDF page carries which printed page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PrintedPageRun {
  int firstPrinted;   // printed pages firstPrinted..lastPrinted stand on
  int lastPrinted;    // PDF pages firstPdfPage.. in order
  int firstPdfPage;
};

struct BookPdf {
  std::string fileName;              // UTF-8, without a directory
  std::string sha256;                // lower-case hex; empty when not given
  std::vector<std::string> places;   // directories the book's package installs it in
  std::vector<PrintedPageRun> runs;
};

// Fields it does not know, comments and broken lines are passed over.
BookPdf readBookPdf(std::string_view description);

// The PDF page of a printed page. A page in no run keeps the offset of the
// last run before it; a book without runs has its pages where they are
// numbered.
int pdfPageOf(const BookPdf& pdf, int printedPage);
