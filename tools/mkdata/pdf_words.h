// The text of the indexed pages as the word scanner's lines. Ligatures
// (ﬀ ﬁ ﬂ ﬃ ﬄ ﬅ ﬆ) are written out, Unicode hyphens become "-", a soft
// hyphen inside a line is dropped and one at a line's end joins the word's
// rest from the next line. Running heads and page footers are recognised
// among a page's first two and last two lines: its first or last line when
// it holds the page's own number (or label) among at most ten words, and
// any of them whose text, with every digit masked (the page's number, a
// chapter's, a date), recurs there as running heads do: on three pages
// within five where it holds the page's number (printed or the PDF's, as in
// "10/59"), else on six pages in a row at most two apart (odd and even pages
// may differ), or on more than half of all pages. A page whose lines are mostly entries with dot leaders and a page
// number is a table of contents and is left out whole.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "word_scanner.h"
#include "pdf_document.h"

// Each line resolved by the rules above; a soft hyphen at its end is kept.
std::u32string resolvedLine(const std::u32string& line);
// A few lines at once, a soft hyphen at a line's end joined.
std::vector<BookLine> resolvedLines(const std::vector<BookLine>& lines);

bool isContentsPage(const PdfPage& page);

struct BodyText {
  std::size_t edgeLinesDropped = 0;   // running heads and footers
  std::size_t contentsPages = 0;
};

using LineTaker = std::function<void(const BookLine& line)>;

// The body's lines, resolved, one by one in the book's order: none is kept.
// printedOf: per PDF page, its printed page or 0 when it is not indexed.
BodyText bodyText(const std::vector<PdfPage>& pages, const std::vector<int>& printedOf, const LineTaker& take);
