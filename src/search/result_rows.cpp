// Result rows: one row per run of marked pages in resultPages, in ascending
// order, with the titles of the chapter, section and subsection in force at
// the run's first page. Both the page map and the heading table are read
// forward only, resuming where the previous row stopped.
#include <cassert>
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

// A subsection shows only beside a section, a section only beside a chapter.
// A checked heading table keeps every trail inside lineText; the cut at its
// end only matters for bytes that were never checked.
static void appendTrail(uint32_t used) {
  SearchState& s = searchState;
  char* line = s.lineText;
  if (s.chapter == nullptr) return;
  used = appendText(line, used, s.chapter);
  if (s.section == nullptr) return;
  used = appendText(line, appendText(line, used, " --- "), s.section);
  if (s.subsection == nullptr) return;
  appendText(line, appendText(line, used, " --- "), s.subsection);
}

// "%d\t" for a run of one page, "%d - %d\t" for a longer one.
static uint32_t writePagePart(int32_t first, int32_t last) {
  char* line = searchState.lineText;
  uint32_t used = appendDecimal(line, 0, first);
  if (last != first) used = appendDecimal(line, appendText(line, used, " - "), last);
  return appendText(line, used, "\t");
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
  uint32_t used = writePagePart(first, after - 1);
  applyHeadingsUpTo(first);
  appendTrail(used);
  return true;
}
