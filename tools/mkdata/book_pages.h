// The book text as pdftotext writes it (pages separated by form feeds) cut
// into the lines of the pages that are indexed, each with its printed page.
#pragma once

#include <string>
#include <vector>

struct BookLine {
  int page;                 // printed page number
  std::u32string text;
};

struct PageRange {
  int firstPdfPage;         // the PDF page that carries printed page 1
  int lastPdfPage;          // the last PDF page indexed; the book's own index follows
};

// Every page's first line is its running head with the folio "P / T" at its
// end; it is not part of the book's text and is dropped. A page whose first
// line lacks the folio of its printed page means the page numbers would be
// wrong, so it fails the whole run, as does malformed UTF-8.
bool readBookPages(const std::string& text, PageRange range, std::vector<BookLine>& lines,
                   std::string& error);

// True when the line ends with the folio of the given printed page.
bool endsWithFolio(const std::string& line, int page);
