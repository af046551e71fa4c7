// The book's headings from its PDF outline. Outline levels 1 to 3 are
// chapter, section and subsection; deeper entries are left out. A level
// above the chapters (parts that hold only chapters) is skipped: it is
// recognised when every top-level entry that has children is a part, that
// is, its title begins with a roman number or "Teil"/"Part", or its page
// holds little more than the title and its first child begins on a later
// page. Titles that carry no number of their own are numbered as books
// number them: "1." for a chapter, "1.2" for a section, "1.2.3" for a
// subsection. The book's own index and table of contents, when the outline
// names them, are no headings, and their pages are left out of the words.
#pragma once

#include <string>
#include <vector>

#include "pdf_document.h"

// A heading as the lists hold it.
struct OutlineHeading {
  int page;                 // printed page
  int level;                // 1 chapter, 2 section, 3 subsection
  std::string title;        // UTF-8, every character one that cp1252 holds
};

enum class PartLevel { detect, skip, keep };

// An entry whose place lies at the foot of its page, where its title is
// not printed, begins on the next page when that page prints it.
void settleOutlinePages(std::vector<PdfOutlineEntry>& outline, const std::vector<PdfPage>& pages);

bool isIndexOrContentsTitle(const std::string& title);

bool topLevelHoldsParts(const std::vector<PdfOutlineEntry>& outline, const std::vector<PdfPage>& pages);

// Per PDF page, true when it belongs to a top-level outline entry for the
// index or the table of contents: from its page to the page before the next
// top-level entry.
std::vector<bool> indexAndContentsPages(const std::vector<PdfOutlineEntry>& outline, std::size_t pageCount);

// printedOf: per PDF page its printed page, 0 when not indexed. notes
// receives a line for each entry left out for its page and each title
// character replaced.
std::vector<OutlineHeading> outlineHeadings(const std::vector<PdfOutlineEntry>& outline, bool skipTopLevel,
                                            const std::vector<PdfPage>& pages, const std::vector<int>& printedOf,
                                            std::vector<std::string>& notes);
