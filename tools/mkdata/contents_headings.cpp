#include "contents_headings.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "pdf_words.h"
#include "printed_headings.h"
#include "text_codec.h"

namespace {

constexpr std::size_t linesBetweenEntries = 3;  // a page's head and foot within a list
constexpr std::size_t pagesToAHeading = 60;     // how far after the last one an entry is looked for

std::u32string trimmed(const std::u32string& text) {
  const std::size_t begin = text.find_first_not_of(U" .");
  if (begin == std::u32string::npos) return U"";
  return text.substr(begin, text.find_last_not_of(U" .") - begin + 1);
}

std::u32string firstToken(const std::u32string& text) {
  const std::u32string t = trimmed(text);
  return t.substr(0, t.find(U' '));
}

bool isContentsTitle(const std::u32string& line) {
  std::u32string low;
  for (char32_t c : trimmed(line)) low += c >= U'A' && c <= U'Z' ? c + 32 : c;
  return low == U"inhaltsverzeichnis" || low == U"inhalt" || low == U"table of contents" || low == U"contents";
}

bool isNumberedEntry(const std::u32string& line) {
  const std::u32string t = trimmed(line);
  return t.find(U' ') != std::u32string::npos && isHeadingNumber(firstToken(t)) &&
         firstToken(t).find_first_of(U"0123456789") != std::u32string::npos;
}

std::string utf8(const std::u32string& text) { return encodeUtf8(trimmed(text)); }

}  // namespace

bool dotLeaderEntry(const std::u32string& line, std::u32string& title, int& page) {
  const std::size_t end = line.find_last_not_of(U' ');
  if (end == std::u32string::npos) return false;
  std::size_t digits = end + 1;
  while (digits > 0 && line[digits - 1] >= U'0' && line[digits - 1] <= U'9') --digits;
  if (digits == end + 1 || end + 1 - digits > 4) return false;
  const std::u32string before = line.substr(0, digits);
  const std::size_t leader = std::min(before.find(U". . ."), before.find(U"..."));
  if (leader == std::u32string::npos) return false;
  title = trimmed(before.substr(0, leader));
  page = std::stoi(encodeUtf8(line.substr(digits, end + 1 - digits)));
  return true;
}

namespace {

void addDotLeaderEntries(const PdfPage& page, const std::map<int, int>& pdfPageOf,
                         std::vector<PdfOutlineEntry>& outline) {
  for (const std::u32string& line : page.lines) {
    std::u32string title;
    int printed = 0;
    if (!dotLeaderEntry(line, title, printed) || title.empty() || pdfPageOf.count(printed) == 0) continue;
    outline.push_back({numberDepth(title), utf8(title), pdfPageOf.at(printed)});
  }
}

// The numbered entries of a contents list that begins after line `at` of
// page p, up to the first line that is no entry after a few that are not,
// or to its first entry printed again as the body's first heading; p and
// at are left at its last line, `body` at the page where the body begins.
std::vector<std::u32string> listEntries(const std::vector<PdfPage>& pages, std::size_t& p, std::size_t& at,
                                        std::size_t& body) {
  std::vector<std::u32string> entries;
  std::size_t since = 0;  // lines since the last entry
  for (std::size_t q = p, i = at + 1; q < pages.size() && since <= linesBetweenEntries; ++q, i = 0) {
    for (; i < pages[q].lines.size() && since <= linesBetweenEntries; ++i) {
      if (!isNumberedEntry(pages[q].lines[i])) {
        ++since;
        continue;
      }
      if (!entries.empty() && trimmed(pages[q].lines[i]) == entries.front()) return body = q, entries;
      entries.push_back(trimmed(pages[q].lines[i]));
      since = 0;
      p = q;
      at = i;
      body = q + 1;
    }
  }
  return entries;
}

// Each entry on the first page from `from` on that prints it as a heading.
void placeListEntries(const std::vector<std::u32string>& entries, const std::vector<PdfPage>& pages, std::size_t from,
                      std::vector<PdfOutlineEntry>& outline) {
  for (const std::u32string& entry : entries) {
    const std::string title = encodeUtf8(entry);
    std::string printed;
    for (std::size_t q = from; q < std::min(pages.size(), from + pagesToAHeading); ++q) {
      if (!findPrintedHeading(title, pages[q], printed)) continue;
      outline.push_back({numberDepth(entry), title, static_cast<int>(q) + 1});
      from = q;
      break;
    }
  }
}

}  // namespace

int numberDepth(const std::u32string& title) {
  std::u32string number = firstToken(title);
  if (!isHeadingNumber(number) || title.find(U' ') == std::u32string::npos) return 1;
  if (number.back() == U'.' || number.back() == U':') number.pop_back();
  return 1 + static_cast<int>(std::count(number.begin(), number.end(), U'.'));
}

std::vector<PdfOutlineEntry> contentsOutline(const std::vector<PdfPage>& pages, const std::vector<int>& printedOf) {
  assert(pages.size() == printedOf.size());
  std::map<int, int> pdfPageOf;  // printed page -> PDF page
  for (std::size_t i = 0; i < printedOf.size(); ++i) {
    if (printedOf[i] != 0) pdfPageOf.emplace(printedOf[i], static_cast<int>(i) + 1);
  }
  std::vector<PdfOutlineEntry> outline;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (isContentsPage(pages[p])) {
      addDotLeaderEntries(pages[p], pdfPageOf, outline);
      continue;
    }
    for (std::size_t at = 0; at < pages[p].lines.size(); ++at) {
      if (!isContentsTitle(pages[p].lines[at])) continue;
      std::size_t body = p + 1;
      const std::vector<std::u32string> entries = listEntries(pages, p, at, body);
      placeListEntries(entries, pages, body, outline);
    }
  }
  return outline;
}
