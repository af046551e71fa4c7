#include "pdf_catalog.h"

#include <Catalog.h>
#include <PDFDoc.h>
#include <PDFDocEncoding.h>
#include <Stream.h>
#include <goo/GooString.h>

#include <cassert>

#include "platform/win32/cp1252.h"

namespace {

constexpr char32_t replacement = 0xFFFD;

// UTF-16 code units, big-endian, surrogate pairs joined.
void appendUtf16(std::string& utf8, const std::string& bytes, std::size_t from, std::size_t longest) {
  for (std::size_t i = from; i + 1 < bytes.size() && utf8.size() < longest; i += 2) {
    char32_t unit = static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]);
    const bool high = unit >= 0xD800 && unit < 0xDC00;
    const char32_t low = i + 3 < bytes.size() ? static_cast<unsigned char>(bytes[i + 2]) << 8 | static_cast<unsigned char>(bytes[i + 3]) : 0;
    if (high && low >= 0xDC00 && low < 0xE000) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      unit = replacement;
    }
    appendUtf8(utf8, unit);
  }
}

void appendUtf8Text(std::string& utf8, const std::string& bytes, std::size_t from, std::size_t longest) {
  for (std::size_t at = from; at < bytes.size() && utf8.size() < longest;) {
    char32_t c = 0;
    const bool whole = decodeUtf8At(bytes, at, c);
    appendUtf8(utf8, whole && !(c >= 0xD800 && c < 0xE000) && c < 0x110000 ? c : replacement);
  }
}

}  // namespace

std::string cutUtf8(std::string utf8, std::size_t longest) {
  if (utf8.size() <= longest) return utf8;
  std::size_t cut = longest;
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  utf8.resize(cut);
  return utf8;
}

std::string utf8OfTextString(const GooString& text, std::size_t longest) {
  const std::string& bytes = text.toStr();
  std::string utf8;
  if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF') {
    appendUtf16(utf8, bytes, 2, longest);
  } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    appendUtf8Text(utf8, bytes, 3, longest);
  } else {
    for (std::size_t i = 0; i < bytes.size() && utf8.size() < longest; ++i) {
      const Unicode c = pdfDocEncoding[static_cast<unsigned char>(bytes[i])];
      appendUtf8(utf8, c != 0 ? c : replacement);
    }
  }
  return cutUtf8(std::move(utf8), longest);
}

std::map<Ref, int> pagesByObject(PDFDoc& document) {
  std::map<Ref, int> pageOf;
  const int pageCount = document.getNumPages();
  for (int page = 1; page <= pageCount; ++page) {
    const Ref* object = document.getCatalog()->getPageRef(page);
    if (object != nullptr) pageOf.emplace(*object, page);
  }
  return pageOf;
}

bool readPdfCatalog(const std::string& bytes, PdfCatalog& catalog, std::string& reason) {
  assert(!bytes.empty());
  // The stream only points into the bytes, which outlive the document.
  auto* stream = new MemStream(bytes.data(), 0, static_cast<Goffset>(bytes.size()), Object(objNull));
  PDFDoc document(stream);
  if (!document.isOk()) return reason = "the outline and page labels cannot be read", false;
  const int pageCount = document.getNumPages();
  catalog.labels = pageLabels(document, pageCount);
  catalog.outline = outlineEntries(document, pagesByObject(document), catalog.outlineCut);
  return true;
}
