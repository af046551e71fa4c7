// The proximity combination marks in resultPages every stretch where all
// non-empty terms have a hit within distance + 1 consecutive pages. For each
// window start, only each slot's first non-zero byte in the window counts:
// an empty slot's map is filled with 0xFF, present everywhere but never a
// hit, so it never restricts a window and never widens a range.
//
// Two methods give the same marks: by gaps between hits, 64 pages at a time,
// where the maps and the distance allow it, and window by window otherwise.
#include <cstring>

#include "search/combine_methods.h"

namespace {

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

}  // namespace

bool combineTerms() {
  searchState.message = nullptr;
  if (!prepareSlots()) return false;
  if (!combineByGaps()) combineByWindows();
  return true;
}
