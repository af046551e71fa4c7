#include "outline_headings.h"

#include <algorithm>
#include <cassert>
#include <cctype>

#include "printed_headings.h"
#include "text_codec.h"

namespace {

constexpr int deepestHeading = 3;
constexpr std::size_t wordsOnAPartPage = 20;
constexpr std::size_t longestTitle = 300;  // three in force at once fit a result row

std::string lowered(const std::string& text) {
  std::string low = text;
  for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return low;
}

bool beginsWithRomanNumber(const std::string& title) {
  const std::size_t blank = title.find(' ');
  if (blank == 0 || blank == std::string::npos) return false;
  std::string number = title.substr(0, blank);
  if (number.back() == '.') number.pop_back();
  return !number.empty() && number.find_first_not_of("IVXLCDM") == std::string::npos;
}

bool titledAsPart(const std::string& title) {
  const std::string low = lowered(title);
  return beginsWithRomanNumber(title) || low.rfind("teil ", 0) == 0 || low.rfind("part ", 0) == 0;
}

std::size_t wordsOnPage(const PdfPage& page) {
  std::size_t words = 0;
  for (const std::u32string& line : page.lines) {
    bool inWord = false;
    for (char32_t c : line) {
      if (c != U' ' && !inWord) ++words;
      inWord = c != U' ';
    }
  }
  return words;
}

// The heading table holds cp1252 without control characters; what it
// cannot hold gives way to its nearest stand-in, and runs of blanks to one.
std::string cleanTitle(const std::string& title, std::vector<std::string>& notes) {
  std::u32string decoded;
  std::size_t bad = 0;
  if (!decodeUtf8(title, decoded, bad)) decoded.clear();
  std::string cleaned;
  for (char32_t c : decoded) {
    unsigned char byte = 0;
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    if (control || c == 0xA0) {
      byte = ' ';
    } else if (!cp1252Byte(c, byte)) {
      byte = nearestCp1252Byte(c);
      notes.push_back("heading \"" + title + "\": a character cp1252 lacks replaced by \"" +
                      cp1252ToUtf8(std::string(1, static_cast<char>(byte))) + "\"");
    }
    if (byte == ' ' && (cleaned.empty() || cleaned.back() == ' ')) continue;
    appendUtf8(cleaned, cp1252CodePoint(byte));
  }
  while (!cleaned.empty() && cleaned.back() == ' ') cleaned.pop_back();
  return cleaned;
}

bool printsTitle(const std::string& title, const std::vector<PdfPage>& pages, int pdfPage) {
  std::string printed;
  return pdfPage >= 1 && static_cast<std::size_t>(pdfPage) <= pages.size() &&
         findPrintedHeading(title, pages[pdfPage - 1], printed);
}

// Why a heading cannot stand in the table where the outline puts it; empty
// when it can. The table begins with a chapter, and a subsection follows a
// section of its chapter.
std::string misplaced(const std::string& title, bool onPage, int page, int level,
                      const std::vector<OutlineHeading>& headings) {
  if (title.empty()) return "empty title";
  if (!onPage) return "its page is not indexed";
  if (!headings.empty() && page < headings.back().page) return "its page lies before the previous heading's";
  if (level > 1 && headings.empty()) return "no chapter before it";
  if (level == 3 && headings.back().level == 1) return "no section before it";
  return "";
}

}  // namespace

void settleOutlinePages(std::vector<PdfOutlineEntry>& outline, const std::vector<PdfPage>& pages) {
  for (PdfOutlineEntry& entry : outline) {
    if (!entry.nearPageFoot || printsTitle(entry.title, pages, entry.pdfPage)) continue;
    if (printsTitle(entry.title, pages, entry.pdfPage + 1)) ++entry.pdfPage;
  }
}

bool isIndexOrContentsTitle(const std::string& title) {
  static const char* const names[] = {"index", "stichwortverzeichnis", "register", "sachregister",
                                      "inhaltsverzeichnis", "inhalt", "contents", "table of contents"};
  const std::string low = lowered(title);
  return std::any_of(std::begin(names), std::end(names), [&low](const char* name) { return low == name; });
}

bool topLevelHoldsParts(const std::vector<PdfOutlineEntry>& outline, const std::vector<PdfPage>& pages) {
  bool anyPart = false;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const PdfOutlineEntry& entry = outline[i];
    const bool hasChildren = i + 1 < outline.size() && outline[i + 1].depth > entry.depth;
    if (entry.depth != 1 || !hasChildren || isIndexOrContentsTitle(entry.title)) continue;
    const bool barePage = entry.pdfPage >= 1 && static_cast<std::size_t>(entry.pdfPage) <= pages.size() &&
                          wordsOnPage(pages[entry.pdfPage - 1]) <= wordsOnAPartPage &&
                          outline[i + 1].pdfPage > entry.pdfPage;
    if (!titledAsPart(entry.title) && !barePage) return false;
    anyPart = true;
  }
  return anyPart;
}

std::vector<bool> indexAndContentsPages(const std::vector<PdfOutlineEntry>& outline, std::size_t pageCount) {
  std::vector<bool> covered(pageCount, false);
  for (std::size_t i = 0; i < outline.size(); ++i) {
    if (outline[i].depth != 1 || !isIndexOrContentsTitle(outline[i].title) || outline[i].pdfPage < 1) continue;
    std::size_t end = pageCount;  // one past the last page covered
    for (std::size_t j = i + 1; j < outline.size(); ++j) {
      if (outline[j].depth == 1 && outline[j].pdfPage > outline[i].pdfPage) {
        end = static_cast<std::size_t>(outline[j].pdfPage - 1);
        break;
      }
    }
    for (std::size_t p = static_cast<std::size_t>(outline[i].pdfPage - 1); p < std::min(end, pageCount); ++p)
      covered[p] = true;
  }
  return covered;
}

std::vector<OutlineHeading> outlineHeadings(const std::vector<PdfOutlineEntry>& outline, bool skipTopLevel,
                                            const std::vector<PdfPage>& pages, const std::vector<int>& printedOf,
                                            std::vector<std::string>& notes) {
  assert(pages.size() == printedOf.size());
  std::vector<OutlineHeading> headings;
  int skippedDepth = 0;  // inside the book's index or contents: 1
  for (const PdfOutlineEntry& entry : outline) {
    if (skippedDepth != 0 && entry.depth > skippedDepth) continue;
    skippedDepth = entry.depth == 1 && isIndexOrContentsTitle(entry.title) ? 1 : 0;
    const int level = entry.depth - (skipTopLevel ? 1 : 0);
    if (skippedDepth != 0 || level < 1 || level > deepestHeading) continue;
    std::string printed;
    const bool found = entry.pdfPage >= 1 && static_cast<std::size_t>(entry.pdfPage) <= pages.size() &&
                       findPrintedHeading(entry.title, pages[entry.pdfPage - 1], printed);
    const std::string title = cleanTitle(found ? printed : entry.title, notes).substr(0, longestTitle);
    const bool onPage = entry.pdfPage >= 1 && static_cast<std::size_t>(entry.pdfPage) <= printedOf.size() &&
                        printedOf[entry.pdfPage - 1] != 0;
    const int page = onPage ? printedOf[entry.pdfPage - 1] : 0;
    const std::string why = misplaced(title, onPage, page, level, headings);
    if (!why.empty()) {
      notes.push_back("heading \"" + entry.title + "\" left out: " + why);
      continue;
    }
    headings.push_back({page, level, title});
  }
  return headings;
}
