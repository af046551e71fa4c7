#include "pdf_document.h"

#include <nettle/sha2.h>
#include <poppler-document.h>
#include <poppler-global.h>

#include <limits>
#include <memory>
#include <mutex>
#include <thread>

#include "file_output.h"
#include "page_labels.h"
#include "pdf_catalog.h"
#include "pdf_page_reader.h"
#include "platform/win32/cp1252.h"

namespace {

constexpr std::size_t longestShownMessage = 100;

// A PDF's header may follow some junk, but within its first kilobyte.
bool looksLikePdf(const std::string& bytes) {
  return bytes.substr(0, 1024).find("%PDF-") != std::string::npos;
}

std::string utf8Of(const poppler::ustring& text, std::size_t longest) {
  const poppler::byte_array bytes = text.to_utf8();
  return cutUtf8({bytes.begin(), bytes.end()}, longest);
}

// Poppler's messages, from every document's thread: counted, the first
// kept for the report.
class PopplerMessages {
 public:
  PopplerMessages() { poppler::set_debug_error_function(take, this); }
  ~PopplerMessages() { poppler::set_debug_error_function(ignore, nullptr); }
  PopplerMessages(const PopplerMessages&) = delete;
  PopplerMessages& operator=(const PopplerMessages&) = delete;

  // A second opening of the same bytes in this thread says again what the
  // first said: not counted twice.
  class NotHeardHere {
   public:
    NotHeardHere() { notHeard_ = true; }
    ~NotHeardHere() { notHeard_ = false; }
    NotHeardHere(const NotHeardHere&) = delete;
    NotHeardHere& operator=(const NotHeardHere&) = delete;
  };

  void into(PdfDamage& damage) {
    std::lock_guard<std::mutex> hold(mutex_);
    damage.popplerMessages = count_;
    damage.firstMessage = first_;
  }

 private:
  static void take(const std::string& message, void* closure) {
    if (notHeard_) return;
    auto* self = static_cast<PopplerMessages*>(closure);
    std::lock_guard<std::mutex> hold(self->mutex_);
    if (self->count_++ != 0) return;
    for (char c : message.substr(0, longestShownMessage)) self->first_ += c >= 0x20 && c < 0x7F ? c : '?';
  }
  static void ignore(const std::string&, void*) {}

  static thread_local bool notHeard_;
  std::mutex mutex_;
  std::size_t count_ = 0;
  std::string first_;
};

thread_local bool PopplerMessages::notHeard_ = false;

// Poppler hands out whatever the file's text layer holds: a malformed
// sequence is dropped, and text beyond mostPageCharacters is cut.
std::vector<std::u32string> linesOf(const std::string& utf8, bool& cut) {
  std::vector<std::u32string> lines(1);
  std::size_t characters = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t c = 0;
    if (!decodeUtf8At(utf8, at, c) || (c >= 0xD800 && c < 0xE000) || c >= 0x110000) continue;
    if (++characters > mostPageCharacters) {
      cut = true;
      break;
    }
    if (c == U'\n' || c == U'\f') {
      lines.emplace_back();
    } else if (c != U'\r') {
      lines.back() += c;
    }
  }
  while (!lines.empty() && lines.back().find_first_not_of(U' ') == std::u32string::npos) lines.pop_back();
  return lines;
}

std::size_t charactersOf(const PdfPage& page) {
  std::size_t characters = 0;
  for (const std::u32string& line : page.lines) characters += line.size();
  return characters;
}

// text and words: buffers that serve one page after the other.
PdfPage pageOf(PdfPageReader& reader, int index, const StyledWordsTaker& takeStyledWords, std::string& text,
               std::vector<PdfStyledWord>& words, PdfDamage& damage) {
  if (!reader.read(index, text, words)) {
    ++damage.pagesUnread;
    return {"", {}, true};
  }
  takeStyledWords(static_cast<std::size_t>(index), words);
  bool cut = false;
  PdfPage read{"", linesOf(text, cut), false};
  damage.pagesCut += cut ? 1 : 0;
  return read;
}

PdfMetadata metadataOf(const poppler::document& document) {
  return {utf8Of(document.get_title(), longestMetadataText), utf8Of(document.get_author(), longestMetadataText),
          utf8Of(document.get_subject(), longestMetadataText), utf8Of(document.get_keywords(), longestMetadataText),
          yearOfPdfDate(utf8Of(document.info_key("CreationDate"), longestMetadataText))};
}

// Every page's text, until the book's text runs beyond any book's.
bool readPages(int pageCount, PdfPageReader& reader, const StyledWordsTaker& takeStyledWords, const std::string& path,
               PdfBook& book, std::string& reason) {
  std::size_t characters = 0;
  std::string text;
  std::vector<PdfStyledWord> words;
  for (int i = 0; i < pageCount; ++i) {
    book.pages.push_back(pageOf(reader, i, takeStyledWords, text, words, book.damage));
    characters += charactersOf(book.pages.back());
    if (characters > mostBookCharacters) {
      reason = path + ": the PDF holds more than " + std::to_string(mostBookCharacters) +
               " characters of text, more than any book of " + std::to_string(lastDataPage) + " pages";
      return false;
    }
  }
  return true;
}

// The pages are read through a document of their own, whose opening and
// count of pages say again what the first document's said.
std::unique_ptr<PdfPageReader> pageReaderOf(const std::string& bytes) {
  const PopplerMessages::NotHeardHere opened;
  return std::make_unique<PdfPageReader>(bytes);
}

// A page tree may count pages it does not hold; those after the last page
// that could be read are no pages of the book.
void dropMissingEnd(std::vector<PdfPage>& pages) {
  while (!pages.empty() && pages.back().unread) pages.pop_back();
}

}  // namespace

bool readPdfBook(const std::string& path, const StyledWordsTaker& takeStyledWords, PdfBook& book,
                 std::string& reason) {
  std::string bytes;
  if (!readWholeFile(path, bytes, reason)) return false;
  if (!looksLikePdf(bytes)) return reason = path + ": not a PDF file", false;
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    return reason = path + ": larger than the 2 GB poppler reads from memory", false;
  PopplerMessages messages;
  std::unique_ptr<poppler::document> document(
      poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  if (!document) return reason = path + ": not a readable PDF file", false;
  if (document->is_locked()) return reason = path + ": the PDF needs a password to open", false;
  book = {};
  // The catalog's document reads labels and outline beside the text.
  PdfCatalog catalog;
  std::string catalogReason;
  bool catalogRead = false;
  std::thread catalogReader([&] {
    catalogRead = readPdfCatalog(bytes, catalog, catalogReason);
    book.sha256 = sha256Hex(bytes);
  });
  book.metadata = metadataOf(*document);
  const std::unique_ptr<PdfPageReader> pageReader = pageReaderOf(bytes);
  const bool pagesRead = readPages(document->pages(), *pageReader, takeStyledWords, path, book, reason);
  catalogReader.join();
  messages.into(book.damage);
  if (!pagesRead) return false;
  if (!catalogRead) return reason = path + ": " + catalogReason, false;
  for (std::size_t i = 0; i < book.pages.size() && i < catalog.labels.size(); ++i) book.pages[i].label = catalog.labels[i];
  dropMissingEnd(book.pages);
  book.outline = std::move(catalog.outline);
  book.damage.outlineCut = catalog.outlineCut;
  return true;
}

std::string damageReport(const PdfDamage& damage) {
  std::string parts;
  auto add = [&parts](const std::string& part) { parts += (parts.empty() ? "" : "; ") + part; };
  if (damage.popplerMessages != 0)
    add("poppler reported " + std::to_string(damage.popplerMessages) + " problems, the first: \"" +
        damage.firstMessage + "\"");
  if (damage.pagesUnread != 0) add(std::to_string(damage.pagesUnread) + " pages of its page tree unreadable");
  if (damage.pagesCut != 0)
    add(std::to_string(damage.pagesCut) + " pages' text cut at " + std::to_string(mostPageCharacters) + " characters");
  if (damage.outlineCut) add("the outline cut at " + std::to_string(mostOutlineEntries) + " entries");
  return parts.empty() ? "" : "damaged PDF, made from what could be read: " + parts;
}

int yearOfPdfDate(const std::string& date) {
  // Year, then month, day, hour, minute, second, each as far as given.
  static const int lowest[] = {1000, 1, 1, 0, 0, 0}, highest[] = {9999, 12, 31, 23, 59, 59};
  std::size_t at = date.rfind("D:", 0) == 0 ? 2 : 0;
  int year = 0;
  for (int field = 0; field < 6 && at < date.size() && date[at] >= '0' && date[at] <= '9'; ++field) {
    const std::size_t width = field == 0 ? 4 : 2;
    if (date.size() < at + width) return 0;
    int value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
      if (date[i] < '0' || date[i] > '9') return 0;
      value = 10 * value + (date[i] - '0');
    }
    if (value < lowest[field] || value > highest[field]) return 0;
    if (field == 0) year = value;
    at += width;
  }
  return year;
}

std::string sha256Hex(const std::string& bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  uint8_t digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context, sizeof digest, digest);
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (uint8_t byte : digest) hex += {digits[byte >> 4], digits[byte & 15]};
  return hex;
}
