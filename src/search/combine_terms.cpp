// The proximity combination marks in resultPages every stretch where all
// non-empty terms have a hit within distance + 1 consecutive pages. For each
// window start, only each slot's first non-zero byte in the window counts:
// an empty slot's map is filled with 0xFF, present everywhere but never a
// hit, so it never restricts a window and never widens a range.
//
// Walking the window starts from the last page down, each slot's first
// non-zero byte at or after the start is known from the step before, so a
// window costs three comparisons however wide it is. A marking window only
// notes, at its lowest page, the highest page it reaches; one forward sweep
// then turns those reaches into the marked stretches.
#include <algorithm>
#include <cstring>

#include "search/search_state.h"

namespace {

constexpr unsigned char emptySlotFill = 0xFF;
constexpr int16_t noReach = -1;

// False when a slot stopped at the word limit; empty slots get their fill.
bool prepareSlots() {
  SearchState& s = searchState;
  for (int slot = 0; slot < termSlots; ++slot) {
    if (s.hitCount[slot] == 0) {
      std::memset(s.termPages[slot], emptySlotFill, pageLimit);
    } else if (s.hitCount[slot] > wordLimit) {
      s.message = messageSlotOverLimit;
      return false;
    }
  }
  return true;
}

// A slot's first non-zero byte at or after the window start: its page
// (pageLimit for none) and whether it is a hit of its own.
struct FirstPresent {
  int32_t page = pageLimit;
  bool hit = false;

  void meet(unsigned char byte, int32_t at) {
    page = byte != 0 ? at : page;
    hit = byte != 0 ? static_cast<signed char>(byte) > 0 : hit;
  }
};

// reach[p]: the highest page marked by a window whose lowest first hit is p.
void findReaches(int16_t* reach) {
  const SearchState& s = searchState;
  std::fill(reach, reach + pageLimit, noReach);
  if (distance < 0) return;  // every window ends before it starts
  int32_t width = std::min<int32_t>(distance, pageLimit);
  FirstPresent first[termSlots];
  for (int32_t start = pageLimit - 1; start >= 0; --start) {
    for (int slot = 0; slot < termSlots; ++slot) first[slot].meet(s.termPages[slot][start], start);
    int32_t end = std::min(start + width, pageLimit - 1);
    if (std::max({first[0].page, first[1].page, first[2].page}) > end) continue;
    int32_t low = pageLimit, high = -1;
    for (const FirstPresent& f : first) {
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

bool combineTerms() {
  searchState.message = nullptr;
  if (!prepareSlots()) return false;
  int16_t reach[pageLimit];
  findReaches(reach);
  markReaches(reach);
  return true;
}
