#include "pdf_document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <thread>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include "file_output.h"
#include "text_codec.h"

namespace {

// A PDF's header may follow some junk, but within its first kilobyte.
bool looksLikePdf(const std::string& bytes) {
  return bytes.substr(0, 1024).find("%PDF-") != std::string::npos;
}

std::string utf8Of(const poppler::ustring& text) {
  const poppler::byte_array bytes = text.to_utf8();
  return {bytes.begin(), bytes.end()};
}

// Poppler hands out whatever the file's text layer holds; a malformed
// sequence is dropped rather than failing the book.
std::vector<std::u32string> linesOf(const std::string& utf8) {
  std::vector<std::u32string> lines(1);
  std::u32string decoded;
  std::size_t bad = 0;
  if (!decodeUtf8(utf8, decoded, bad)) decoded.clear();
  for (char32_t c : decoded) {
    if (c == U'\n' || c == U'\f') {
      lines.emplace_back();
    } else if (c != U'\r') {
      lines.back() += c;
    }
  }
  while (!lines.empty() && lines.back().find_first_not_of(U' ') == std::u32string::npos) lines.pop_back();
  return lines;
}

int yearOf(const poppler::document& document) {
  const time_t created = document.info_date_t("CreationDate");
  if (created <= 0) return 0;
  std::tm parts{};
  gmtime_r(&created, &parts);
  return parts.tm_year + 1900;
}

void quietPoppler(const std::string&, void*) {}

PdfPage pageOf(const poppler::document& document, int index) {
  std::unique_ptr<poppler::page> page(document.create_page(index));
  if (!page) return {std::to_string(index + 1), {}};
  return {utf8Of(page->label()), linesOf(utf8Of(page->text(poppler::rectf(), poppler::page::raw_order_layout)))};
}

}  // namespace

bool readPdfBook(const std::string& path, PdfBook& book, std::string& reason) {
  std::string bytes;
  if (!readWholeFile(path, bytes, reason)) return false;
  if (!looksLikePdf(bytes)) return reason = path + ": not a PDF file", false;
  poppler::set_debug_error_function(quietPoppler, nullptr);
  std::unique_ptr<poppler::document> document(
      poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  if (!document) return reason = path + ": not a readable PDF file", false;
  if (document->is_locked()) return reason = path + ": the PDF needs a password to open", false;
  book = {};
  // The outline's destinations take poppler a while to resolve; its own
  // document object reads them beside the text.
  std::string outlineReason;
  bool outlineRead = false;
  std::thread outlineReader([&] {
    outlineRead = readPdfOutline(bytes, book.outline, outlineReason);
    book.sha256 = sha256Hex(bytes);
  });
  book.metadata = {utf8Of(document->get_title()), utf8Of(document->get_author()),
                   utf8Of(document->get_subject()), utf8Of(document->get_keywords()), yearOf(*document)};
  for (int i = 0; i < document->pages(); ++i) book.pages.push_back(pageOf(*document, i));
  outlineReader.join();
  return outlineRead || (reason = path + ": " + outlineReason, false);
}
