// The book's chapter outline, as "mutool show FILE outline" prints it, turned
// into numbered headings: one line per entry, a marker character, one tab
// per depth, the quoted title and "#page=N". Depth 1 holds the book's parts,
// which are not headings; depth 2 to 4 are chapter, section and subsection;
// deeper entries are dropped. Chapters are numbered through the whole book,
// sections within their chapter, subsections within their section.
#pragma once

#include <string>
#include <vector>

#include "book_pages.h"

struct OutlineHeading {
  int page;                 // printed page
  int level;                // 1 chapter, 2 section, 3 subsection
  std::string title;        // UTF-8, every character one that cp1252 holds
};

// notes receives one line for every title character that had to be replaced
// and every heading that lies outside the indexed pages. A line that is not
// an outline entry is an error, reported as "name:line: reason".
bool readOutline(const std::string& text, const std::string& name, PageRange range,
                 std::vector<OutlineHeading>& headings, std::vector<std::string>& notes,
                 std::string& error);
