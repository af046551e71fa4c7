// The book command's own code, without poppler: a book as poppler would
// hand it (page labels and text lines, outline entries, a title), made from
// the fuzzer's bytes, goes through the label mapping, the running heads and
// footers, the word scanner and the outline's headings, to the book
// description and the caption. The input is cut at zero bytes into commands, each led by a byte:
//   P LABEL            a new page with that label
//   O DEPTH PAGE FOOT TITLE   an outline entry (depth 1 to 4, PDF page 0 to 255)
//   T TITLE            the metadata's title
//   X PARTS LAST       options: part level (0 to 2), last printed page (x 8)
//   anything else      a line of text on the current page
// Most such books hold fewer distinct words than a book must; their
// outline still goes through the headings step as a book's would.
//
// A refusal must be one line. A book that is made must give a description
// of valid UTF-8 without control characters in which every printed page
// stands in one run, at the first PDF page that carries it; words and
// headings on printed pages of the book only.
#include <cstring>
#include <set>
#include <string>

#include "book/book_description.h"
#include "book_command.h"
#include "fuzz_input.h"
#include "platform/win32/cp1252.h"

namespace {

std::string textOf(const std::vector<unsigned char>& command, std::size_t from, std::size_t longest) {
  std::string utf8;
  const std::string bytes(command.begin() + static_cast<long>(std::min(from, command.size())), command.end());
  for (std::size_t at = 0; at < bytes.size() && utf8.size() < longest;) {
    char32_t c = 0;
    if (decodeUtf8At(bytes, at, c)) appendUtf8(utf8, c);
  }
  return utf8;
}

std::u32string lineOf(const std::vector<unsigned char>& command) {
  const std::string utf8 = textOf(command, 0, mostPageCharacters);
  std::u32string line;
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    if (decodeUtf8At(utf8, at, c) && c != U'\n' && c != U'\r' && c != U'\f') line += c;
  }
  return line;
}

void take(const std::vector<unsigned char>& command, PdfBook& book, BookOptions& options) {
  const unsigned char kind = command.empty() ? 0 : command[0];
  if (kind == 'P') {
    book.pages.push_back({textOf(command, 1, longestLabel), {}, false});
  } else if (kind == 'O' && command.size() >= 4) {
    book.outline.push_back({1 + command[1] % deepestOutlineDepth, textOf(command, 4, longestOutlineTitle), command[2],
                            (command[3] & 1) != 0});
  } else if (kind == 'T') {
    book.metadata.title = textOf(command, 1, longestMetadataText);
  } else if (kind == 'X' && command.size() >= 3) {
    options.parts = command[1] % 3 == 0 ? PartLevel::detect : command[1] % 3 == 1 ? PartLevel::skip : PartLevel::keep;
    options.pages.lastPrinted = std::min(lastDataPage, 8 * command[2]);
  } else {
    if (book.pages.empty()) book.pages.emplace_back();
    book.pages.back().lines.push_back(lineOf(command));
  }
}

bool cleanText(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    char32_t c = 0;
    if (!decodeUtf8At(text, at, c)) return false;
    if ((c < 0x20 && c != U'\t' && c != U'\n') || (c >= 0x7F && c < 0xA0)) return false;
  }
  return true;
}

void expectHeadings(const PdfBook& book, const BookOptions& options, BookData& data) {
  const bool skipTop = options.parts == PartLevel::skip ||
                       (options.parts == PartLevel::detect && topLevelHoldsParts(book.outline, book.pages));
  std::set<int> printed(data.printedOf.begin(), data.printedOf.end());
  for (const OutlineHeading& heading : outlineHeadings(book.outline, skipTop, book.pages, data.printedOf, data.notes)) {
    FUZZ_EXPECT(printed.count(heading.page) != 0 && heading.level >= 1 && heading.level <= 3);
    FUZZ_EXPECT(cleanText(heading.title) && heading.title.find('\t') == std::string::npos);
  }
}

// Packing the lists is the producer's and has a fuzz target of its own;
// here the description and the caption are written as bookFiles writes them.
void expectBook(const PdfBook& book, const BookOptions& options, const BookData& data) {
  FUZZ_EXPECT(data.printedOf.size() == book.pages.size());
  std::set<int> printed(data.printedOf.begin(), data.printedOf.end());
  for (const TalliedWord& word : data.words) {
    for (int page : word.pages) FUZZ_EXPECT(page > 0 && printed.count(page) != 0);
  }
  for (const OutlineHeading& heading : data.headings) FUZZ_EXPECT(printed.count(heading.page) != 0);
  BookReference reference = options.reference;
  reference.title = book.metadata.title;
  const std::string text = bookDescription(reference, {"buch.pdf", book.sha256, options.pdfPlaces}, data.printedOf);
  FUZZ_EXPECT(cleanText(text) && cleanText(captionHeader(reference)));
  const BookDescription description = readBookDescription(text);
  std::set<int> placed;
  for (std::size_t i = 0; i < data.printedOf.size(); ++i) {
    const int page = data.printedOf[i];
    if (page == 0 || !placed.insert(page).second) continue;
    FUZZ_EXPECT(pdfPageOf(description, page) == static_cast<int>(i) + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  PdfBook book;
  BookOptions options;
  options.pdfPath = "/buch/buch.pdf";
  options.outDir = "/buch/out";
  for (const std::vector<unsigned char>& command : input.commands()) take(command, book, options);
  BookData made;
  std::string reason;
  if (!collectBookData(book, options, nullptr, made, reason)) {
    FUZZ_EXPECT(!reason.empty() && reason.find('\n') == std::string::npos);
    if (made.printedOf.size() == book.pages.size()) expectHeadings(book, options, made);
    return 0;
  }
  expectBook(book, options, made);
  return 0;
}
