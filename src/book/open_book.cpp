#include "book/open_book.h"

#include <cassert>

#include "book/book_files.h"
#include "viewer/document_viewer.h"
#include "platform/win32/cp1252.h"

namespace {

// cp1252: the German quotation marks are 0x84 and 0x93.
std::string quoted(const std::string& utf8Name) { return "\x84" + utf8ToCp1252(utf8Name) + "\x93"; }

std::string notFoundText(const BookDescription& book, const std::vector<std::string>& places) {
  std::string text = "Die PDF-Datei des Buches, " + quoted(book.fileName) + ", wurde nicht gefunden. Gesucht in:";
  for (const std::string& place : places) text += "\n" + utf8ToCp1252(place);
  return text;
}

std::string otherPrintingText(const std::string& path) {
  return "Die PDF-Datei " + quoted(path) +
         " ist nicht die, aus der dieses Wortverzeichnis gemacht wurde (ihre Pr\xFC" "fsumme weicht ab). "
         "Sie wird trotzdem ge\xF6" "ffnet, doch die Seite kann verschoben sein.";
}

const char noViewerText[] = "F\xFCr PDF-Dateien ist kein Anzeigeprogramm eingerichtet.";
const char viewerFailedText[] = "Das Anzeigeprogramm f\xFCr PDF-Dateien lie\xDF sich nicht starten.";

std::string hexOf(const unsigned char (&digest)[sha256Size]) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : digest) hex += {digits[byte >> 4], digits[byte & 15]};
  return hex;
}

// Reading a whole book takes a moment: each file is checked once a run.
bool isOtherPrinting(const BookDescription& book, const std::string& path) {
  static std::vector<std::string> checked;
  for (const std::string& done : checked) {
    if (done == path) return false;
  }
  checked.push_back(path);
  unsigned char digest[sha256Size];
  return !book.sha256.empty() && sha256OfFile(path, digest) && hexOf(digest) != book.sha256;
}

std::string firstHolder(const BookDescription& book, const std::vector<std::string>& places) {
  for (const std::string& place : places) {
    std::string path = pathIn(place, book.fileName);
    if (isRegularFile(path)) return path;
  }
  return "";
}

}  // namespace

std::vector<std::string> placesToLook([[maybe_unused]] const BookDescription& book) {
  std::vector<std::string> places;
  std::string own = programDirectory();
  if (!own.empty()) places.push_back(own);
#ifdef __linux__
#ifdef QUIREL_BOOK_PDF_DIRECTORY
  places.emplace_back(QUIREL_BOOK_PDF_DIRECTORY);
#endif
  places.insert(places.end(), book.places.begin(), book.places.end());
#endif
  return places;
}

void openBookIn(const BookDescription& book, const std::vector<std::string>& places, int printedPage,
                const char* word, HWND dialog, TellReader tell) {
  assert(tell != nullptr && printedPage >= 1 && word != nullptr && word[0] != '\0');
  std::string path = book.fileName.empty() ? "" : firstHolder(book, places);
  if (path.empty()) return tell(dialog, notFoundText(book, places).c_str());
  if (isOtherPrinting(book, path)) tell(dialog, otherPrintingText(path).c_str());
  switch (showDocumentAtPage(path.c_str(), pdfPageOf(book, printedPage), cp1252ToUtf8(word).c_str())) {
    case ViewerStart::started: break;
    case ViewerStart::noViewer: tell(dialog, noViewerText); break;
    case ViewerStart::failed: tell(dialog, viewerFailedText); break;
  }
}

void openBookAtPrintedPage(const BookDescription& book, int printedPage, const char* word, HWND dialog,
                           TellReader tell) {
  openBookIn(book, placesToLook(book), printedPage, word, dialog, tell);
}
