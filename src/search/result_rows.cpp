// Result rows: one row per run of marked pages in resultPages, in ascending
// order, with the titles of the chapter, section and subsection in force at
// the run's first page. Both the page map and the heading table are read
// forward only, resuming where the previous row stopped.
#include <cassert>

#include "search/derived_tables.h"
#include "search/eight_pages.h"
#include "search/search_state.h"

void resetResultRows() {
  SearchState& s = searchState;
  s.resumePage = 0;
  s.headingCursor = s.headings;
  s.chapter = s.section = s.subsection = nullptr;
}

static HeadingPlace placeNow() {
  const SearchState& s = searchState;
  return {s.headingCursor, s.chapter, s.section, s.subsection};
}

static void moveTo(const HeadingPlace& place) {
  SearchState& s = searchState;
  s.headingCursor = place.cursor;
  s.chapter = place.chapter;
  s.section = place.section;
  s.subsection = place.subsection;
}

static bool samePlace(const HeadingPlace& a, const HeadingPlace& b) {
  return a.cursor == b.cursor && a.chapter == b.chapter && a.section == b.section &&
         a.subsection == b.subsection;
}

// Applies every heading that begins on or before `page`; a heading inside a
// run shows only from the next row whose first page reaches it.
static void walkHeadingsUpTo(int32_t page) {
  SearchState& s = searchState;
  assert(s.headingCursor != nullptr);
  while (headingPage(s.headingCursor) != 0 && headingPage(s.headingCursor) <= page) {
    applyHeading(headingLevel(s.headingCursor), headingTitle(s.headingCursor), s.chapter, s.section, s.subsection);
    s.headingCursor = nextHeading(s.headingCursor);
  }
}

// Where a walk from the first heading stands after each page, taken once
// for the installed heading table. A walk's outcome depends only on where it
// starts and on the page it walks to, and walking to one page and then on to
// a later one ends where walking straight to the later one ends. So when the
// walk stands where the walk from the first heading stood after some earlier
// page, walking on to `page` ends at placeAfter[page], and every heading
// between is passed in one step instead of one at a time.
void takeHeadingPlaces() {
  SearchState& s = searchState;
  DerivedTables& d = derivedTables;
  d.placesTakenFor = s.headings;
  if (s.headings == nullptr) return;
  HeadingPlace before = placeNow();
  moveTo({s.headings, nullptr, nullptr, nullptr});
  for (int32_t page = 0; page < pageLimit; ++page) {
    walkHeadingsUpTo(page);
    d.placeAfter[page] = placeNow();
  }
  moveTo(before);
}

// The page before the cursor's heading is the last page after which a walk
// from the first heading could stand where this one stands.
static bool jumpHeadingsTo(int32_t page) {
  SearchState& s = searchState;
  const DerivedTables& d = derivedTables;
  if (d.placesTakenFor == nullptr || d.placesTakenFor != s.headings) return false;
  int32_t pageBefore = headingPage(s.headingCursor) - 1;
  if (pageBefore < 0 || pageBefore >= page || page >= pageLimit) return false;
  if (!samePlace(placeNow(), d.placeAfter[pageBefore])) return false;
  moveTo(d.placeAfter[page]);
  return true;
}

static void applyHeadingsUpTo(int32_t page) {
  if (!jumpHeadingsTo(page)) walkHeadingsUpTo(page);
}

// A subsection shows only beside a section, a section only beside a chapter.
// A checked heading table keeps every trail inside lineText; the cut at its
// end only matters for bytes that were never checked.
static void appendTrail(uint32_t used) {
  const SearchState& titles = searchState;
  char* line = searchState.lineText;
  if (titles.chapter == nullptr) return;
  used = appendText(line, used, titles.chapter);
  if (titles.section == nullptr) return;
  used = appendText(line, appendText(line, used, " --- "), titles.section);
  if (titles.subsection == nullptr) return;
  appendText(line, appendText(line, used, " --- "), titles.subsection);
}

// "%d\t" for a run of one page, "%d - %d\t" for a longer one.
static uint32_t writePagePart(int32_t first, int32_t last) {
  char* line = searchState.lineText;
  uint32_t used = appendDecimal(line, 0, first);
  if (last != first) used = appendDecimal(line, appendText(line, used, " - "), last);
  return appendText(line, used, "\t");
}

// The page map is read eight pages a turn while whole turns fit: a turn of
// eight unmarked pages, or of eight marked ones, is passed at once.
static uint64_t eightPages(int32_t page) { return eightPagesAt(searchState.resultPages + page); }

// A zero byte among the eight: subtracting 1 from each byte borrows into its
// top bit only there (or where the top bit was set, which ~eight rules out).
static bool anyUnmarked(uint64_t eight) {
  return ((eight - lowBitOfEachPage) & ~eight & (lowBitOfEachPage << 7)) != 0;
}

static int32_t firstMarkedFrom(int32_t page) {
  while (page + 8 <= pageLimit && eightPages(page) == 0) page += 8;
  while (page < pageLimit && searchState.resultPages[page] == 0) ++page;
  return page;
}

static int32_t firstUnmarkedFrom(int32_t page) {
  while (page + 8 <= pageLimit && !anyUnmarked(eightPages(page))) page += 8;
  while (page < pageLimit && searchState.resultPages[page] != 0) ++page;
  return page;
}

bool nextResultRow() {
  SearchState& s = searchState;
  if (s.resumePage >= pageLimit) return false;
  int32_t first = firstMarkedFrom(s.resumePage < 0 ? 0 : s.resumePage);
  if (first == pageLimit) return false;
  int32_t after = firstUnmarkedFrom(first);
  s.resumePage = after;
  uint32_t used = writePagePart(first, after - 1);
  applyHeadingsUpTo(first);
  appendTrail(used);
  return true;
}
