// The combination window by window, for any maps and any distance. Walking
// the window starts from the last page down, each slot's first non-zero byte
// at or after the start is known from the step before, so a window costs
// three comparisons however wide it is. A marking window only notes, at its
// lowest page, the highest page it reaches; one forward sweep then turns
// those reaches into the marked stretches.
#include <algorithm>

#include "search/combine_methods.h"

namespace {

constexpr int16_t noReach = -1;

// A slot's first non-zero byte at or after the window start: its page
// (pageLimit for none) and whether it is a hit of its own.
struct NearestPresentPage {
  int32_t page;
  bool hit;
};

// The window start moves down one page: a non-zero byte there becomes the
// slot's first present page.
void moveStartDownTo(NearestPresentPage* first, unsigned char byte, int32_t at) {
  first->page = byte != 0 ? at : first->page;
  first->hit = byte != 0 ? static_cast<signed char>(byte) > 0 : first->hit;
}

// reach[p]: the highest page marked by a window whose lowest first hit is p.
void findReaches(int16_t* reach) {
  const SearchState& s = searchState;
  std::fill(reach, reach + pageLimit, noReach);
  if (distance < 0) return;  // every window ends before it starts
  int32_t width = std::min<int32_t>(distance, pageLimit);
  NearestPresentPage first[termSlots] = {{pageLimit, false}, {pageLimit, false}, {pageLimit, false}};
  for (int32_t start = lastPage; start >= 0; --start) {
    for (int slot = 0; slot < termSlots; ++slot) moveStartDownTo(&first[slot], s.termPages[slot][start], start);
    int32_t end = std::min(start + width, lastPage);
    if (std::max({first[0].page, first[1].page, first[2].page}) > end) continue;
    int32_t low = pageLimit, high = -1;
    for (const NearestPresentPage& f : first) {
      low = f.hit ? std::min(low, f.page) : low;
      high = f.hit ? std::max(high, f.page) : high;
    }
    if (high >= 0) reach[low] = static_cast<int16_t>(std::max<int32_t>(reach[low], high));
  }
}

void markReaches(const int16_t* reach) {
  unsigned char* marks = searchState.resultPages;
  int32_t marked = noReach;
  for (int32_t page = 0; page < pageLimit; ++page) {
    marked = std::max<int32_t>(marked, reach[page]);
    marks[page] = page <= marked ? 1 : 0;
  }
}

}  // namespace

void combineByWindows() {
  int16_t reach[pageLimit];
  findReaches(reach);
  markReaches(reach);
}

