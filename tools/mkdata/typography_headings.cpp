#include "typography_headings.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <map>
#include <set>

#include "contents_headings.h"
#include "text_codec.h"

namespace {

constexpr double largerByAtLeast = 7.0 / 6.0;
constexpr std::size_t wordsInAHeading = 12;
constexpr int deepestLevel = 3;

double halfPoints(double size) { return std::round(size * 2) / 2; }

// A line as its words are gathered: its text, blank-separated, is kept only
// while it is short enough for a heading.
struct GatheredLine {
  TypeLine line;
  std::size_t letters = 0;   // of its whole text
  std::size_t blanks = 0;
};

bool fewWords(const GatheredLine& gathered) { return gathered.blanks + 1 <= wordsInAHeading; }

void addWord(const PdfStyledWord& word, GatheredLine& gathered) {
  const std::size_t blank = gathered.letters != 0 ? 1 : 0;
  gathered.letters += blank + word.text.size();
  gathered.blanks += blank + static_cast<std::size_t>(std::count(word.text.begin(), word.text.end(), U' '));
  if (fewWords(gathered)) gathered.line.text.append(blank, U' ').append(word.text);
  gathered.line.size = std::min(gathered.line.size, halfPoints(word.size));
}

// A page's words gathered into lines: words that stand at one height.
std::vector<GatheredLine> linesOf(const std::vector<PdfStyledWord>& words, std::size_t pdfPage) {
  std::vector<GatheredLine> lines;
  for (const PdfStyledWord& word : words) {
    const bool sameLine = !lines.empty() && std::fabs(lines.back().line.top - word.top) < 1;
    if (!sameLine) lines.push_back({{pdfPage, U"", halfPoints(word.size), word.top}});
    addWord(word, lines.back());
  }
  return lines;
}

// The size that carries most of the letters.
double bodySize(const std::map<double, std::size_t>& lettersBySize) {
  const auto most = std::max_element(lettersBySize.begin(), lettersBySize.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == lettersBySize.end() ? 0 : most->first;
}

// A word of three letters or more, one of them a vowel: no music, no
// labels of a figure.
bool hasAWord(const std::u32string& text) {
  std::size_t run = 0;
  bool vowel = false;
  for (char32_t c : text + U" ") {
    const bool letter = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0x24F);
    if (letter && run++ == 0) vowel = false;
    if (letter && std::u32string(U"aeiouyäöüAEIOUYÄÖÜ").find(c) != std::u32string::npos) vowel = true;
    if (!letter && run >= 3 && vowel) return true;
    if (!letter) run = 0;
  }
  return false;
}

// The line with its digits masked, to find those that come back.
std::u32string shape(const std::u32string& text) {
  std::u32string masked;
  for (char32_t c : text) masked += c >= U'0' && c <= U'9' ? U'#' : c;
  return masked;
}

// The lines that come back on three pages in the same type (a running
// head that repeats a chapter's title is no heading, the title is).
std::set<std::pair<std::u32string, double>> recurringLines(const std::vector<TypeLine>& lines) {
  std::map<std::pair<std::u32string, double>, std::set<std::size_t>> pagesOf;
  for (const TypeLine& line : lines) pagesOf[{shape(line.text), line.size}].insert(line.pdfPage);
  std::set<std::pair<std::u32string, double>> recurring;
  for (const auto& [key, pages] : pagesOf) {
    if (pages.size() >= 3) recurring.insert(key);
  }
  return recurring;
}

// The heading lines: larger than the body, on indexed pages, with a word,
// short, not recurring; one wrapped over lines joined.
std::vector<TypeLine> headingLines(const BookType& type, const std::vector<int>& printedOf) {
  const double body = bodySize(type.lettersBySize);
  const auto recurring = recurringLines(type.lines);
  std::vector<TypeLine> headings;
  for (const TypeLine& line : type.lines) {
    assert(line.pdfPage < printedOf.size());
    const bool candidate = line.size >= body * largerByAtLeast && printedOf[line.pdfPage] != 0 &&
                           recurring.count({shape(line.text), line.size}) == 0;
    if (!candidate) continue;
    const bool continues = !headings.empty() && headings.back().pdfPage == line.pdfPage &&
                           headings.back().size == line.size && line.top - headings.back().top < 1.6 * line.size;
    if (continues) {
      headings.back().text += U" " + line.text;
      headings.back().top = line.top;
    } else {
      headings.push_back(line);
    }
  }
  return headings;
}

}  // namespace

// Only a line that holds a word and not many can be a heading; lines that
// share a shape are alike in this, so none that comes back is missed.
void addTypePage(std::size_t pdfPage, const std::vector<PdfStyledWord>& words, BookType& type) {
  for (GatheredLine& gathered : linesOf(words, pdfPage)) {
    type.lettersBySize[gathered.line.size] += gathered.letters;
    if (fewWords(gathered) && hasAWord(gathered.line.text)) type.lines.push_back(std::move(gathered.line));
  }
}

std::vector<PdfOutlineEntry> typographyOutline(const BookType& type, const std::vector<int>& printedOf) {
  const std::vector<TypeLine> headings = headingLines(type, printedOf);
  std::set<double, std::greater<double>> sizes;
  for (const TypeLine& heading : headings) sizes.insert(heading.size);
  std::vector<PdfOutlineEntry> outline;
  for (const TypeLine& heading : headings) {
    const int rank = 1 + static_cast<int>(std::distance(sizes.begin(), sizes.find(heading.size)));
    const bool numbered = numberDepth(heading.text) > 1 || heading.text.find_first_of(U"0123456789") == 0;
    const int level = numbered ? numberDepth(heading.text) : rank;
    if (level <= deepestLevel) outline.push_back({level, encodeUtf8(heading.text), static_cast<int>(heading.pdfPage) + 1});
  }
  return outline;
}
