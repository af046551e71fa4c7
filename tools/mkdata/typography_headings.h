// A book with neither outline nor contents pages shows its headings by
// their type alone: lines set larger than the body text (the size that
// carries most of the book's letters, by at least a sixth). Each size in
// which such lines stand on indexed pages is a level, the largest the
// chapters, down to the third; a heading's number, where it has one, gives
// its level instead. A line that comes back on three pages (a running head
// in large type), one without a word of three letters (music, a figure's
// labels) and one of more than twelve words are no headings; lines of one
// size that follow each other are one wrapped title. The headings come out
// as an outline would give them.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "pdf_document.h"

// A line of a page as its type sets it.
struct TypeLine {
  std::size_t pdfPage;     // 0-based
  std::u32string text;
  double size;             // the smallest of its words, to half a point
  double top;
};

// What a book's type tells of its headings, gathered page by page as the
// pages are read: the letters set in each size, and the lines that could be
// headings (a word among them, few words); the rest is not kept.
struct BookType {
  std::map<double, std::size_t> lettersBySize;
  std::vector<TypeLine> lines;
};

// A page's words, in the order they were set, into the book's type.
void addTypePage(std::size_t pdfPage, const std::vector<PdfStyledWord>& words, BookType& type);

// printedOf: per PDF page its printed page, 0 when not indexed.
std::vector<PdfOutlineEntry> typographyOutline(const BookType& type, const std::vector<int>& printedOf);
