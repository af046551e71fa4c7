#include "book_description.h"

#include <cassert>
#include <cstdio>
#include <set>

#include "text_codec.h"

namespace {

// A part with the mark that separates it from what follows it.
void addPart(std::string& caption, const std::string& part, const char* before) {
  if (part.empty()) return;
  if (!caption.empty()) caption += before;
  caption += part;
}

constexpr std::size_t longestPart = 200;      // characters of a title, the authors, ...
constexpr std::size_t longestCaption = 400;   // characters; the window shows far fewer

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// A value from the PDF or the command line as the description holds it:
// valid UTF-8 (a broken sequence becomes U+FFFD), control characters as
// blanks (a tab or a line end would break the file's lines), at most
// `longest` characters.
std::string fieldValue(const std::string& value, std::size_t longest) {
  std::string clean;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < value.size() && characters < longest; ++characters) {
    char32_t c = 0;
    const bool whole = decodeUtf8At(value, at, c);
    appendUtf8(clean, !whole ? 0xFFFD : isControl(c) ? U' ' : c);
  }
  return clean;
}

constexpr std::size_t longestCaptionLiteral = 240;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// One cp1252 byte inside a C string; after a hex escape a hex digit must be
// escaped too, or it would join the escape.
std::string escaped(unsigned char byte, bool afterEscape) {
  const bool plain = byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\' &&
                     !(afterEscape && isHexDigit(static_cast<char>(byte)));
  if (plain) return std::string(1, static_cast<char>(byte));
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02X", byte);
  return escape;
}

std::string cp1252Of(const std::string& utf8) {
  std::u32string decoded;
  std::size_t bad = 0;
  if (!decodeUtf8(utf8, decoded, bad)) return "";
  std::string bytes;
  for (char32_t c : decoded) {
    unsigned char byte = 0;
    bytes += static_cast<char>(cp1252Byte(c, byte) && byte >= 0x20 ? byte : nearestCp1252Byte(c));
  }
  return bytes;
}

}  // namespace

std::string captionOf(const BookReference& reference) {
  if (!reference.caption.empty()) return fieldValue(reference.caption, longestCaption);
  std::string caption = fieldValue(reference.title, longestPart);
  addPart(caption, fieldValue(reference.edition, longestPart), ", ");
  addPart(caption, fieldValue(reference.authors, longestPart), ", ");
  std::string imprint = fieldValue(reference.publisher, longestPart);
  addPart(imprint, fieldValue(reference.year, longestPart), " ");
  addPart(caption, imprint, ", ");
  addPart(caption, fieldValue(reference.url, longestPart), ", ");
  return fieldValue(caption, longestCaption);
}

std::string unfitName(const std::string& name) {
  for (std::size_t at = 0; at < name.size();) {
    char32_t c = 0;
    if (!decodeUtf8At(name, at, c)) return "is not valid UTF-8";
    if (isControl(c)) return "holds a control character";
  }
  return "";
}

std::vector<PrintedPageRun> pageRuns(const std::vector<int>& printedOf) {
  std::vector<PrintedPageRun> runs;
  std::set<int> placed;
  for (std::size_t i = 0; i < printedOf.size(); ++i) {
    const int printed = printedOf[i];
    const int pdfPage = static_cast<int>(i) + 1;
    if (printed == 0 || !placed.insert(printed).second) continue;
    if (!runs.empty() && runs.back().lastPrinted + 1 == printed &&
        runs.back().firstPdfPage + (printed - runs.back().firstPrinted) == pdfPage) {
      runs.back().lastPrinted = printed;
    } else {
      runs.push_back({printed, printed, pdfPage});
    }
  }
  return runs;
}

std::string bookDescription(const BookReference& reference, const PdfFacts& pdf, const std::vector<int>& printedOf) {
  std::string text = "# The book this Quirel searches: name TAB value per line.\n" +
                     descriptionLine(bookField::format, std::to_string(bookDescriptionFormat));
  const std::pair<const char*, std::string> fields[] = {
      {bookField::caption, captionOf(reference)},
      {bookField::title, fieldValue(reference.title, longestPart)},
      {bookField::authors, fieldValue(reference.authors, longestPart)},
      {bookField::edition, fieldValue(reference.edition, longestPart)},
      {bookField::publisher, fieldValue(reference.publisher, longestPart)},
      {bookField::year, fieldValue(reference.year, longestPart)},
      {bookField::url, fieldValue(reference.url, longestPart)},
      {bookField::pdfFile, pdf.fileName},
      {bookField::pdfSha256, pdf.sha256},
      {bookField::pdfPages, std::to_string(printedOf.size())}};
  assert(unfitName(pdf.fileName).empty());
  for (const auto& [name, value] : fields) text += descriptionLine(name, value);
  for (const std::string& place : pdf.places) {
    assert(unfitName(place).empty());
    text += descriptionLine(bookField::pdfPlace, place);
  }
  for (const PrintedPageRun& run : pageRuns(printedOf)) text += pageRunLine(run);
  return text;
}

std::string captionHeader(const BookReference& reference) {
  const std::string caption = cp1252Of("Quirel - Volltextsuche f\xC3\xBCr " + captionOf(reference));
  std::string literal;
  std::string sinceBlank;  // what follows the last blank, kept back until the next
  bool afterEscape = false;
  for (unsigned char byte : caption) {
    if (byte == ' ') {
      if (literal.size() + sinceBlank.size() > longestCaptionLiteral) break;
      literal += sinceBlank;
      sinceBlank.clear();
    }
    const std::string piece = escaped(byte, afterEscape);
    afterEscape = piece.size() > 1;
    sinceBlank += piece;
  }
  if (literal.size() + sinceBlank.size() <= longestCaptionLiteral) literal += sinceBlank;
  while (!literal.empty() && literal.back() == ' ') literal.pop_back();
  return "/* The dialog caption: the program name and the reference of the book whose\n"
         "   word index and heading table are built in. cp1252; shared by the resource\n"
         "   script and the dialog layer. */\n"
         "#define QUIREL_CAPTION \"" + literal + "\"\n";
}
