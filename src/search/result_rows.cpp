// Result rows: one row per run of marked pages in resultPages, in ascending
// order, with the titles of the chapter, section and subsection in force at
// the run's first page. Both the page map and the heading table are read
// forward only, resuming where the previous row stopped.
#include <cassert>
#include <cstdio>
#include <cstring>

#include "search/search_state.h"

void resetResultRows() {
  SearchState& s = searchState;
  s.resumePage = 0;
  s.headingCursor = s.headings;
  s.chapter = s.section = s.subsection = nullptr;
}

// Applies every heading that begins on or before `page`; a heading inside a
// run shows only from the next row whose first page reaches it.
static void applyHeadingsUpTo(int32_t page) {
  SearchState& s = searchState;
  assert(s.headingCursor != nullptr);
  while (headingPage(s.headingCursor) != 0 && headingPage(s.headingCursor) <= page) {
    const char* title = headingTitle(s.headingCursor);
    switch (headingLevel(s.headingCursor)) {
      case 1: s.chapter = title; s.section = s.subsection = nullptr; break;
      case 2: s.section = title; s.subsection = nullptr; break;
      case 3: s.subsection = title; break;
      default: break;  // an unknown level is stepped over
    }
    s.headingCursor = nextHeading(s.headingCursor);
  }
}

// A checked heading table keeps every trail inside lineText; the bound only
// matters for bytes that were never checked.
static void appendText(const char* text) {
  char* line = searchState.lineText;
  size_t used = std::strlen(line);
  std::strncat(line, text, textSize - 1 - used);
}

// A subsection shows only beside a section, a section only beside a chapter.
static void appendTrail() {
  SearchState& s = searchState;
  if (s.chapter == nullptr) return;
  appendText(s.chapter);
  if (s.section == nullptr) return;
  appendText(" --- ");
  appendText(s.section);
  if (s.subsection == nullptr) return;
  appendText(" --- ");
  appendText(s.subsection);
}

bool nextResultRow() {
  SearchState& s = searchState;
  if (s.resumePage >= pageLimit) return false;
  int32_t first = s.resumePage < 0 ? 0 : s.resumePage;
  while (first < pageLimit && s.resultPages[first] == 0) ++first;
  if (first == pageLimit) return false;
  int32_t after = first;
  while (after < pageLimit && s.resultPages[after] != 0) ++after;
  s.resumePage = after;
  if (after - first == 1) {
    std::snprintf(s.lineText, textSize, "%d\t", static_cast<int>(first));
  } else {
    std::snprintf(s.lineText, textSize, "%d - %d\t", static_cast<int>(first), static_cast<int>(after - 1));
  }
  applyHeadingsUpTo(first);
  appendTrail();
  return true;
}
