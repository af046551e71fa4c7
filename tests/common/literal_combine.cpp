// For each window start, each slot's map is scanned from the start to the
// first non-zero byte; all three present and one real hit mark the pages
// from the lowest to the highest first hit.
#include <cstring>

#include "literal_search.h"

// The slots in order: an empty one has its map filled with 0xFF (present
// on every page, a hit on none); one that stopped at the word limit ends
// the combination, leaving the slots after it as they were.
static bool takeSlots() {
  for (int slot = 0; slot < termSlots; ++slot) {
    int32_t hits = searchState.hitCount[slot];
    for (int32_t page = 0; hits == 0 && page < pageLimit; ++page) searchState.termPages[slot][page] = 0xFF;
    if (hits > wordLimit) {
      searchState.message = messageSlotOverLimit;
      return false;
    }
  }
  return true;
}

static int32_t firstPresent(const unsigned char* map, int32_t start, int32_t end) {
  for (int32_t page = start; page <= end; ++page) {
    if (map[page] != 0) return page;
  }
  return -1;
}

static void markWindow(int32_t start, int32_t end) {
  SearchState& s = searchState;
  int32_t low = pageLimit, high = -1;
  for (int slot = 0; slot < termSlots; ++slot) {
    int32_t page = firstPresent(s.termPages[slot], start, end);
    if (page < 0) return;
    if (static_cast<signed char>(s.termPages[slot][page]) > 0) {
      if (page < low) low = page;
      if (page > high) high = page;
    }
  }
  if (high >= 0) std::memset(s.resultPages + low, 1, static_cast<size_t>(high - low + 1));
}

bool literalCombineTerms() {
  SearchState& s = searchState;
  s.message = nullptr;
  if (!takeSlots()) return false;
  std::memset(s.resultPages, 0, pageLimit);
  for (int32_t start = 0; start < pageLimit; ++start) {
    int64_t end = static_cast<int64_t>(start) + distance;
    if (end > pageLimit - 1) end = pageLimit - 1;
    markWindow(start, static_cast<int32_t>(end));
  }
  return true;
}
