// Writing the book description (its format: book/book_description.h) and
// the caption header. The caption is "TITLE, EDITION, AUTHORS, PUBLISHER
// YEAR, URL", the parts that are empty left out with their marks, unless one
// is given whole (authors as the reader should see them: "von Erika
// Muster"). The title, authors and year come from the PDF's metadata; every
// part can be given on the command line instead.
#pragma once

#include <string>
#include <vector>

#include "book/book_description.h"

struct BookReference {
  std::string caption;               // given whole; empty: made from the parts
  std::string title;
  std::string authors;
  std::string edition;
  std::string publisher;
  std::string year;
  std::string url;
};

// Every part of the reference, and the caption, as the description and the
// caption header hold them: valid UTF-8 without control characters, each
// part at most 200 characters, the caption at most 400.
std::string captionOf(const BookReference& reference);

// Why a file or directory name cannot stand in the description as it is,
// or empty when it can. The program must find the PDF by the very name, so
// a name with a control character (a tab or a line end would break its
// line) or bytes that are not UTF-8 is refused, not mended.
std::string unfitName(const std::string& name);

// printedOf: per PDF page its printed page, 0 when not indexed. A printed
// page carried by several PDF pages stands in the run of the first.
std::vector<PrintedPageRun> pageRuns(const std::vector<int>& printedOf);

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
