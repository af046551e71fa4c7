// The book description: what a program needs to name the book and to open
// its PDF at a printed page. A UTF-8 text file, one field per line, the
// field's name, a tab and its value; lines beginning with "#" are comments.
//
//   format      1
//   caption     the book reference as the window shows it (below)
//   title, authors, edition, publisher, year, url
//               the parts of the reference, each line present, maybe empty
//   pdf-file    the PDF's file name, without its directory
//   pdf-sha256  the PDF's SHA-256, lower-case hex
//   pdf-pages   the number of pages in the PDF
//   pdf-place   a directory the book's own package installs the PDF in; one
//               line each, maybe none
//   pages       FIRST TAB LAST TAB PDF_PAGE: printed pages FIRST to LAST
//               stand on PDF pages PDF_PAGE to PDF_PAGE + LAST - FIRST;
//               one line per such run, in the order of the PDF; a printed
//               page in no run is not in the index
//
// The caption is "TITLE, EDITION, AUTHORS, PUBLISHER YEAR, URL", the parts
// that are empty left out with their marks, unless one is given whole
// (authors as the reader should see them: "von Erika Muster"). The
// title, authors and year come from the PDF's metadata; every part can be
// given on the command line instead.
#pragma once

#include <string>
#include <vector>

struct BookReference {
  std::string caption;               // given whole; empty: made from the parts
  std::string title;
  std::string authors;
  std::string edition;
  std::string publisher;
  std::string year;
  std::string url;
};

struct PageRun {
  int firstPrinted;
  int lastPrinted;
  int firstPdfPage;
};

std::string captionOf(const BookReference& reference);

// printedOf: per PDF page its printed page, 0 when not indexed.
std::vector<PageRun> pageRuns(const std::vector<int>& printedOf);

// caption.h as the program's build includes it: QUIREL_CAPTION, the
// program's name and the caption in cp1252 as one C string of printable
// ASCII with hex escapes, cut at a blank to stay a short line.
std::string captionHeader(const BookReference& reference);

struct PdfFacts {
  std::string fileName;               // without its directory
  std::string sha256;                 // lower-case hex
  std::vector<std::string> places;    // pdf-place
};

std::string bookDescription(const BookReference& reference, const PdfFacts& pdf, const std::vector<int>& printedOf);
