// The book as poppler reads it from its PDF: every page's label and text
// lines (in the order the text was set, hyphens at line ends kept), the
// document's metadata and its outline. Nothing here decides what a page or
// a word is worth; that is for the page labels, the word and the outline
// readers.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct PdfPage {
  std::string label;                 // UTF-8; the page's own number when the PDF has no labels
  std::vector<std::u32string> lines;
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
  int year;                          // of the creation date; 0 when there is none
};

struct PdfBook {
  std::vector<PdfPage> pages;
  std::vector<PdfOutlineEntry> outline;
  PdfMetadata metadata;
  std::string sha256;                // of the file, lower-case hex
};

// False with one line of reason when the file is no PDF, needs a password,
// or cannot be read.
bool readPdfBook(const std::string& path, PdfBook& book, std::string& reason);

// A word as its page sets it, for headings found by their typography.
struct PdfStyledWord {
  std::u32string text;
  double size;                       // the height of its box, in points: its type's size
  double top;                        // of its box, from the page's top
};

// Every page's words with their type, read again from the file, for a
// book whose headings may have to come from its typography: none for a
// book with an outline. mayRead(i) is asked before page i + 1 is read (it
// may wait); false ends the reading there.
void readPdfStyledWords(const std::string& path, const std::function<bool(std::size_t)>& mayRead,
                        std::vector<std::vector<PdfStyledWord>>& pages);

// The outline alone, from the file's bytes (poppler's C++ binding gives no
// destinations, so this goes through its GLib binding).
bool readPdfOutline(const std::string& bytes, std::vector<PdfOutlineEntry>& outline, std::string& reason);

std::string sha256Hex(const std::string& bytes);
