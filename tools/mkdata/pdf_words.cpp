#include "pdf_words.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <set>

#include "contents_headings.h"
#include "text_codec.h"

namespace {

constexpr std::size_t edgeLinesLooked = 2;
constexpr std::size_t wordsInAFolioLine = 10;

const char32_t softHyphen = 0xAD;
const char32_t folioMark = 0xFFFC;  // stands for the page number; no text holds it

std::u32string ligature(char32_t c) {
  switch (c) {
    case 0xFB00: return U"ff";
    case 0xFB01: return U"fi";
    case 0xFB02: return U"fl";
    case 0xFB03: return U"ffi";
    case 0xFB04: return U"ffl";
    case 0xFB05: case 0xFB06: return U"st";
    case 0x2010: case 0x2011: return U"-";
    default: return std::u32string(1, c);
  }
}

std::vector<std::u32string> tokens(const std::u32string& line) {
  std::vector<std::u32string> found;
  std::u32string current;
  for (char32_t c : line + U' ') {
    if (c == U' ' || c == U'\t') {
      if (!current.empty()) found.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return found;
}

std::u32string asU32(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

// The line's shape, what a running head or footer keeps from page to
// page: every run of digits masked (the page's number, a chapter's, a date,
// "10/59") and the page's label too (a roman one).
std::u32string shapeOf(const std::u32string& line, const std::u32string& label) {
  std::u32string shape;
  for (const std::u32string& word : tokens(line)) {
    if (!label.empty() && word == label) {
      shape += folioMark;
    } else {
      for (char32_t c : word) {
        const bool digit = c >= U'0' && c <= U'9';
        if (!digit) shape += c;
        if (digit && (shape.empty() || shape.back() != folioMark)) shape += folioMark;
      }
    }
    shape += U' ';
  }
  return shape;
}

bool holdsFolio(const std::u32string& line, const std::u32string& label, int printed) {
  const std::vector<std::u32string> words = tokens(line);
  if (words.size() > wordsInAFolioLine) return false;
  const std::u32string number = asU32(std::to_string(printed));
  for (const std::u32string& word : words) {
    if (word == number || (!label.empty() && word == label)) return true;
  }
  return false;
}

// Indexes of the lines that can be running heads or footers: the first and
// the last few lines that are not blank.
std::vector<std::size_t> edgeLines(const PdfPage& page) {
  std::vector<std::size_t> filled;
  for (std::size_t i = 0; i < page.lines.size(); ++i) {
    if (page.lines[i].find_first_not_of(U' ') != std::u32string::npos) filled.push_back(i);
  }
  if (filled.size() <= 2 * edgeLinesLooked) return filled;
  std::vector<std::size_t> edges(filled.begin(), filled.begin() + edgeLinesLooked);
  edges.insert(edges.end(), filled.end() - edgeLinesLooked, filled.end());
  return edges;
}

std::u32string labelOf(const PdfPage& page) {
  std::u32string label;
  std::size_t bad = 0;
  return decodeUtf8(page.label, label, bad) ? label : U"";
}

// Whether a run of digits in the line is the page's number, printed or in
// the PDF ("10/59"), or a word of it the page's label.
bool holdsPageNumber(const std::u32string& line, const std::u32string& label, int printed, std::size_t pdfPage) {
  const std::u32string numbers[] = {asU32(std::to_string(printed)), asU32(std::to_string(pdfPage))};
  for (const std::u32string& word : tokens(line)) {
    if (!label.empty() && word == label) return true;
    for (std::size_t i = 0; i < word.size();) {
      const std::size_t end = std::min(word.find_first_not_of(U"0123456789", i), word.size());
      const std::u32string digits = word.substr(i, end - i);
      if (!digits.empty() && (digits == numbers[0] || digits == numbers[1])) return true;
      i = end == i ? i + 1 : end;
    }
  }
  return false;
}

// The pages (ascending PDF page indexes) on which an edge line of one shape
// stands, and those of them where it holds the page's number.
struct Sightings {
  std::vector<std::size_t> all;
  std::vector<std::size_t> withNumber;
};

// Whether the pages make a line a running head or footer. One with the
// page's number recurs on three pages within five. One without, which could
// as well be a line of text that happens to open or end a few pages ("Es
// basiert auf ...", "Abbildung 3.18: ..."), must stand on six pages in a
// row, each on the page after the one before or the page after that (a
// chapter's head on every page, or on every other one when odd and even
// pages differ), or on more than half of the book's pages (at least three).
bool recursAsRunningLine(const Sightings& seen, std::size_t pageCount) {
  const std::vector<std::size_t>& numbered = seen.withNumber;
  for (std::size_t i = 2; i < numbered.size(); ++i) {
    if (numbered[i] - numbered[i - 2] < 5) return true;
  }
  std::size_t run = 1;
  for (std::size_t i = 1; i < seen.all.size() && run < 6; ++i) run = seen.all[i] - seen.all[i - 1] <= 2 ? run + 1 : 1;
  return run >= 6 || (seen.all.size() >= 3 && 2 * seen.all.size() > pageCount);
}

std::set<std::u32string> recurringEdgeLines(const std::vector<PdfPage>& pages, const std::vector<int>& printedOf) {
  std::map<std::u32string, Sightings> sightings;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::u32string label = labelOf(pages[p]);
    for (std::size_t i : edgeLines(pages[p])) {
      Sightings& seen = sightings[shapeOf(pages[p].lines[i], label)];
      if (!seen.all.empty() && seen.all.back() == p) continue;
      seen.all.push_back(p);
      if (holdsPageNumber(pages[p].lines[i], label, printedOf[p], p + 1)) seen.withNumber.push_back(p);
    }
  }
  std::set<std::u32string> recurring;
  for (const auto& [shape, seen] : sightings) {
    if (recursAsRunningLine(seen, pages.size())) recurring.insert(shape);
  }
  return recurring;
}

bool isContentsLine(const std::u32string& line) {
  std::u32string title;
  int page = 0;
  return dotLeaderEntry(line, title, page);
}

// The indexes of a page's running heads and footers.
std::set<std::size_t> runningLines(const PdfPage& page, int printed, const std::set<std::u32string>& recurring) {
  const std::u32string label = labelOf(page);
  const std::vector<std::size_t> edges = edgeLines(page);
  std::set<std::size_t> running;
  for (std::size_t i : edges) {
    const bool outermost = i == edges.front() || i == edges.back();
    if ((outermost && holdsFolio(page.lines[i], label, printed)) || recurring.count(shapeOf(page.lines[i], label)) != 0)
      running.insert(i);
  }
  return running;
}

}  // namespace

std::u32string resolvedLine(const std::u32string& line) {
  std::u32string resolved;
  const std::size_t end = line.find_last_not_of(U' ');
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != softHyphen || i == end) resolved += ligature(line[i]);
  }
  return resolved;
}

namespace {

// A soft hyphen ends a line only where the typesetter divided a word: the
// word's rest is taken up from the next line, whatever its case.
void joinDivided(std::u32string& text, std::u32string& next) {
  const std::size_t end = text.find_last_not_of(U' ');
  if (end == std::u32string::npos || text[end] != softHyphen) return;
  const std::size_t restBegin = next.find_first_not_of(U' ');
  const std::size_t restEnd = std::min(next.find(U' ', restBegin), next.size());
  text.erase(end);
  if (restBegin != std::u32string::npos) text.append(next, restBegin, restEnd - restBegin);
  next.erase(0, restEnd);
}

// Lines resolved one by one, each held back until the next shows whether
// it takes up that one's first word.
class LineResolver {
 public:
  explicit LineResolver(const LineTaker& take) : take_(take) {}

  void line(int page, const std::u32string& text) {
    BookLine next{page, resolvedLine(text)};
    if (holding_) {
      joinDivided(held_.text, next.text);
      take_(held_);
    }
    held_ = std::move(next);
    holding_ = true;
  }

  void end() {
    if (holding_) take_(held_);
    holding_ = false;
  }

 private:
  const LineTaker& take_;
  BookLine held_{0, U""};
  bool holding_ = false;
};

}  // namespace

std::vector<BookLine> resolvedLines(const std::vector<BookLine>& lines) {
  std::vector<BookLine> resolved;
  const LineTaker keep = [&resolved](const BookLine& line) { resolved.push_back(line); };
  LineResolver resolver(keep);
  for (const BookLine& line : lines) resolver.line(line.page, line.text);
  resolver.end();
  return resolved;
}

bool isContentsPage(const PdfPage& page) {
  std::size_t entries = 0;
  for (const std::u32string& line : page.lines) entries += isContentsLine(line) ? 1 : 0;
  return entries >= 5 && 2 * entries >= page.lines.size();
}

BodyText bodyText(const std::vector<PdfPage>& pages, const std::vector<int>& printedOf, const LineTaker& take) {
  assert(pages.size() == printedOf.size());
  const std::set<std::u32string> recurring = recurringEdgeLines(pages, printedOf);
  BodyText body;
  LineResolver resolver(take);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (printedOf[p] == 0) continue;
    if (isContentsPage(pages[p])) {
      ++body.contentsPages;
      continue;
    }
    const std::set<std::size_t> dropped = runningLines(pages[p], printedOf[p], recurring);
    body.edgeLinesDropped += dropped.size();
    for (std::size_t i = 0; i < pages[p].lines.size(); ++i) {
      if (dropped.count(i) == 0) resolver.line(printedOf[p], pages[p].lines[i]);
    }
  }
  resolver.end();
  return body;
}
