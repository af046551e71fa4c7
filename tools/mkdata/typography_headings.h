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

#include <vector>

#include "pdf_document.h"

// printedOf: per PDF page its printed page, 0 when not indexed.
std::vector<PdfOutlineEntry> typographyOutline(const std::vector<std::vector<PdfStyledWord>>& pages,
                                               const std::vector<int>& printedOf);
