// The book description: what a program needs to name its book and to open
// the book's PDF at a printed page. `quirel-mkdata book` writes it
// (book.txt), the executables carry it (resource 105), and both go through
// the definitions here. A UTF-8 text file, one field per line, the field's
// name, a tab and its value; lines beginning with "#" are comments.
//
//   format      1
//   caption     the book reference as the window shows it
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
// A reader passes over fields it does not know, comments and broken lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bookField {
constexpr char format[] = "format";
constexpr char caption[] = "caption";
constexpr char title[] = "title";
constexpr char authors[] = "authors";
constexpr char edition[] = "edition";
constexpr char publisher[] = "publisher";
constexpr char year[] = "year";
constexpr char url[] = "url";
constexpr char pdfFile[] = "pdf-file";
constexpr char pdfSha256[] = "pdf-sha256";
constexpr char pdfPages[] = "pdf-pages";
constexpr char pdfPlace[] = "pdf-place";
constexpr char pages[] = "pages";
}  // namespace bookField

constexpr int bookDescriptionFormat = 1;

// Printed pages firstPrinted..lastPrinted stand on PDF pages firstPdfPage..
// in order.
struct PrintedPageRun {
  int firstPrinted;
  int lastPrinted;
  int firstPdfPage;
};

// What the program reads of the description.
struct BookDescription {
  std::string fileName;              // UTF-8, without a directory
  std::string sha256;                // lower-case hex; empty when not given
  std::vector<std::string> places;   // directories the book's package installs it in
  std::vector<PrintedPageRun> runs;
};

BookDescription readBookDescription(std::string_view description);

// The PDF page of a printed page. A page in no run keeps the offset of the
// last run before it; a book without runs has its pages where they are
// numbered.
int pdfPageOf(const BookDescription& book, int printedPage);

// One line of the description, its line end included; the value holds no
// tab or line end.
std::string descriptionLine(std::string_view name, std::string_view value);
std::string pageRunLine(const PrintedPageRun& run);
