// The book as poppler reads it from its PDF: every page's label and text
// lines (in the order the text was set, hyphens at line ends kept), the
// document's metadata and its outline, each bounded in size whatever the
// file says. Nothing here decides what a page or a word is worth; that is
// for the page labels, the word and the outline readers.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Bounds on what is read. Each lies far beyond a real book and keeps a
// crafted file from costing more than poppler's own reading of it.
constexpr std::size_t longestLabel = 64;              // bytes; the rest of a longer label is cut
constexpr std::size_t longestOutlineTitle = 1000;     // bytes
constexpr int deepestOutlineDepth = 4;                // chapter, section, subsection below a part
constexpr std::size_t mostOutlineEntries = 20000;
constexpr std::size_t longestMetadataText = 1000;     // bytes of a title, author, subject
constexpr std::size_t mostPageCharacters = 1 << 15;   // a dense page holds 20,000; the rest is cut
constexpr std::size_t mostBookCharacters = 1 << 24;   // a book with more text is refused

struct PdfPage {
  std::string label;                 // UTF-8; empty when the PDF gives the page none
  std::vector<std::u32string> lines;
  bool unread = false;               // poppler could not make the page; at the end it is dropped
};

struct PdfOutlineEntry {
  int depth;                         // 1 for the outline's top level
  std::string title;                 // UTF-8
  int pdfPage;                       // 1-based; 0 when the entry leads nowhere in the file
  bool nearPageFoot = false;         // its place lies in the lowest sixth of the page
};

struct PdfMetadata {
  std::string title;                 // UTF-8, each possibly empty
  std::string author;
  std::string subject;
  std::string keywords;
  int year;                          // of the creation date, 1000 to 9999; 0 when there is none
};

// What poppler had to say about a damaged file, and what was cut.
struct PdfDamage {
  std::size_t popplerMessages = 0;
  std::string firstMessage;          // printable ASCII, cut short
  std::size_t pagesUnread = 0;       // pages the page tree counts but poppler could not make
  std::size_t pagesCut = 0;          // pages whose text ran beyond mostPageCharacters
  bool outlineCut = false;           // more than mostOutlineEntries entries
};

struct PdfBook {
  std::vector<PdfPage> pages;
  std::vector<PdfOutlineEntry> outline;
  PdfMetadata metadata;
  std::string sha256;                // of the file, lower-case hex
  PdfDamage damage;
};

// A word as its page sets it, for headings found by their typography.
struct PdfStyledWord {
  std::u32string text;
  double size;                       // the height of its box, in points: its type's size
  double top;                        // of its box, from the page's top
};

// A page's words with their type, in the order they were set, handed over
// as the page is read (0-based page index); the reader keeps none.
using StyledWordsTaker = std::function<void(std::size_t page, const std::vector<PdfStyledWord>& words)>;

// Each page is read once, for its text and its words' type together.
// False with one line of reason when the path is no regular file, the file
// is no PDF, needs a password, cannot be read or holds more text than
// mostBookCharacters. Poppler's own messages are counted in the damage,
// never printed.
bool readPdfBook(const std::string& path, const StyledWordsTaker& takeStyledWords, PdfBook& book,
                 std::string& reason);

// One line of the report on a book made despite damage; empty for a book
// without any.
std::string damageReport(const PdfDamage& damage);

// The year of a PDF date ("D:YYYYMMDD..."), when it lies in 1000 to 9999;
// else 0.
int yearOfPdfDate(const std::string& date);

std::string sha256Hex(const std::string& bytes);
