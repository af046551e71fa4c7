// A PDF's pages read through poppler's own objects (as pdf_catalog.h reads
// its catalog), each page once: its text in the order it was set, as
// poppler's raw-order text gives it (what `pdftotext -raw` prints), and,
// from the same reading, its words with their boxes in that order. The
// bindings would read the page twice for the two, once for its text and
// once for its words' boxes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pdf_document.h"

class PDFDoc;

class PdfPageReader {
 public:
  // The bytes outlive the reader; a document poppler cannot open has no
  // pages. The file is opened and its pages counted here, all that poppler
  // has to say on that said here. Poppler's global parameters must be set
  // up: a document of its bindings is open.
  explicit PdfPageReader(const std::string& bytes);
  ~PdfPageReader();
  PdfPageReader(const PdfPageReader&) = delete;
  PdfPageReader& operator=(const PdfPageReader&) = delete;

  // Page `index` (0-based): its text (UTF-8, a line feed after each line,
  // a form feed after the page) and its words, in buffers that may serve
  // page after page; false when poppler cannot make the page.
  bool read(int index, std::string& text, std::vector<PdfStyledWord>& words);

 private:
  std::unique_ptr<PDFDoc> document_;
  int pageCount_ = 0;
};
