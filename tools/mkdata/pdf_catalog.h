// What the book command reads of a PDF's catalog through poppler's own
// objects (Debian's libpoppler-private-dev, the headers of the very library
// the bindings wrap) instead of its bindings: those expand a page label into
// memory however long its number makes it ("/S /A /St 2147483647": 80 MB a
// page), walk the outline by recursion and look each destination's page up
// by walking every page again. Here the label dictionaries are read as
// ranges, the outline without recursion and no deeper than it is used, each
// object once, and every page is looked up once.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <Object.h>

#include "pdf_document.h"

class GooString;
class PDFDoc;

struct PdfCatalog {
  std::vector<std::string> labels;            // per page
  std::vector<PdfOutlineEntry> outline;
  bool outlineCut = false;                    // it had more than mostOutlineEntries entries
};

// From the file's bytes, through a document of its own (so that it can be
// read beside the text); false with a reason when poppler cannot open it.
bool readPdfCatalog(const std::string& bytes, PdfCatalog& catalog, std::string& reason);

// Valid UTF-8 cut at `longest` bytes, never inside a character.
std::string cutUtf8(std::string utf8, std::size_t longest);

// A PDF text string (UTF-16BE or UTF-8 after their byte-order marks,
// PDFDocEncoding otherwise) as valid UTF-8 of at most `longest` bytes, cut
// at a character; a broken sequence becomes U+FFFD.
std::string utf8OfTextString(const GooString& text, std::size_t longest);

// Each page object's 1-based page number.
std::map<Ref, int> pagesByObject(PDFDoc& document);

// Per page its label as a viewer shows it, at most longestLabel bytes;
// empty where the PDF gives none.
std::vector<std::string> pageLabels(PDFDoc& document, int pageCount);

// The outline to depth deepestOutlineDepth, at most mostOutlineEntries
// entries, in reading order; `cut` tells whether there was more.
std::vector<PdfOutlineEntry> outlineEntries(PDFDoc& document, const std::map<Ref, int>& pageOf, bool& cut);
