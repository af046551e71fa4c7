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

std::string captionOf(const BookReference& reference);

// printedOf: per PDF page its printed page, 0 when not indexed.
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
