#include "book_pages.h"

#include <cctype>

#include "text_codec.h"

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

bool addPageLines(const std::string& pageText, int pdfPage, int page,
                  std::vector<BookLine>& lines, std::string& error) {
  const std::vector<std::string> pageLines = splitAt(pageText, '\n');
  if (!endsWithFolio(pageLines.front(), page)) {
    error = "PDF page " + std::to_string(pdfPage) + ": first line does not end with the folio \"" +
            std::to_string(page) + " / N\"";
    return false;
  }
  for (std::size_t i = 1; i < pageLines.size(); ++i) {
    BookLine line{page, {}};
    std::size_t badOffset = 0;
    if (!decodeUtf8(pageLines[i], line.text, badOffset)) {
      error = "PDF page " + std::to_string(pdfPage) + ", line " + std::to_string(i + 1) +
              ": ungültiges UTF-8 bei Byte " + std::to_string(badOffset);
      return false;
    }
    lines.push_back(std::move(line));
  }
  return true;
}

}  // namespace

bool endsWithFolio(const std::string& line, int page) {
  std::size_t end = line.size();
  while (end > 0 && line[end - 1] == ' ') --end;
  std::size_t digits = end;
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(line[digits - 1]))) --digits;
  const std::string separator = " / ";
  if (digits == end || digits < separator.size()) return false;
  if (line.compare(digits - separator.size(), separator.size(), separator) != 0) return false;
  const std::string number = std::to_string(page);
  if (digits - separator.size() < number.size()) return false;
  const std::size_t numberStart = digits - separator.size() - number.size();
  if (line.compare(numberStart, number.size(), number) != 0) return false;
  return numberStart == 0 || line[numberStart - 1] == ' ';
}

bool readBookPages(const std::string& text, PageRange range, std::vector<BookLine>& lines,
                   std::string& error) {
  std::vector<std::string> pages = splitAt(text, '\f');
  if (!pages.empty() && pages.back().empty()) pages.pop_back();
  if (range.firstPdfPage < 1 || range.lastPdfPage < range.firstPdfPage) {
    error = "page range " + std::to_string(range.firstPdfPage) + ".." +
            std::to_string(range.lastPdfPage) + " is empty";
    return false;
  }
  if (static_cast<std::size_t>(range.lastPdfPage) > pages.size()) {
    error = "the text has " + std::to_string(pages.size()) + " pages, fewer than " +
            std::to_string(range.lastPdfPage);
    return false;
  }
  lines.clear();
  for (int pdfPage = range.firstPdfPage; pdfPage <= range.lastPdfPage; ++pdfPage) {
    const int page = pdfPage - range.firstPdfPage + 1;
    if (!addPageLines(pages[static_cast<std::size_t>(pdfPage - 1)], pdfPage, page, lines, error))
      return false;
  }
  return true;
}
