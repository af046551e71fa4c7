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

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The usual maps allow a shortcut. A slot whose every byte is 0 or 1 is
// present exactly where it hits; a slot whose every byte is present but no
// hit (an empty slot's fill) is present in every window and never marks.
// Then a window that marks with its lowest hit at page q marks the same
// pages as the window that starts at q, so only windows that start on a hit
// need to count: the window at q marks q to q + G, G the widest of the hit
// slots' gaps from q to their next hit, when G is within the distance. Gaps
// are found 16 pages at a time as saturating byte counts, which is why the
// shortcut serves distances up to 254.
#if defined(__SSE2__)

constexpr int32_t widestGap = 254;
constexpr int32_t lanes = 16;
constexpr int32_t blocks = (pageLimit + lanes - 1) / lanes;

enum class SlotKind { hitsOnly, everywhere, mixed };

SlotKind kindOf(const unsigned char* map) {
  constexpr int32_t fullBlocks = pageLimit / lanes;
  const __m128i zero = _mm_setzero_si128();
  __m128i any = zero, all = _mm_cmpeq_epi8(zero, zero);
  for (int32_t block = 0; block < fullBlocks; ++block) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(map + block * lanes));
    any = _mm_or_si128(any, bytes);
    all = _mm_and_si128(all, bytes);
  }
  unsigned char anyTail = 0, allTail = 0xFF;
  for (int32_t page = fullBlocks * lanes; page < pageLimit; ++page) {
    anyTail = static_cast<unsigned char>(anyTail | map[page]);
    allTail = static_cast<unsigned char>(allTail & map[page]);
  }
  __m128i notHits = _mm_and_si128(any, _mm_set1_epi8(static_cast<char>(0xFE)));
  if (_mm_movemask_epi8(_mm_cmpeq_epi8(notHits, zero)) == 0xFFFF && (anyTail & 0xFE) == 0) {
    return SlotKind::hitsOnly;
  }
  bool everywhere = _mm_movemask_epi8(all) == 0xFFFF && (allTail & 0x80) != 0;
  return everywhere ? SlotKind::everywhere : SlotKind::mixed;
}

// Pages past 1799 in the last block read as no hit.
__m128i loadBlock(const unsigned char* map, int32_t block) {
  int32_t first = block * lanes;
  if (first + lanes <= pageLimit) return _mm_loadu_si128(reinterpret_cast<const __m128i*>(map + first));
  alignas(16) unsigned char tail[lanes] = {};
  std::memcpy(tail, map + first, static_cast<size_t>(pageLimit - first));
  return _mm_load_si128(reinterpret_cast<const __m128i*>(tail));
}

void storeBlock(unsigned char* map, int32_t block, __m128i bytes) {
  int32_t first = block * lanes;
  if (first + lanes <= pageLimit) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(map + first), bytes);
    return;
  }
  alignas(16) unsigned char tail[lanes];
  _mm_store_si128(reinterpret_cast<__m128i*>(tail), bytes);
  std::memcpy(map + first, tail, static_cast<size_t>(pageLimit - first));
}

__m128i fadeTowardStart(__m128i x) {
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_srli_si128(x, 1), _mm_set1_epi8(1)));
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_srli_si128(x, 2), _mm_set1_epi8(2)));
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_srli_si128(x, 4), _mm_set1_epi8(4)));
  return _mm_max_epu8(x, _mm_subs_epu8(_mm_srli_si128(x, 8), _mm_set1_epi8(8)));
}

__m128i fadeTowardEnd(__m128i x) {
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_slli_si128(x, 1), _mm_set1_epi8(1)));
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_slli_si128(x, 2), _mm_set1_epi8(2)));
  x = _mm_max_epu8(x, _mm_subs_epu8(_mm_slli_si128(x, 4), _mm_set1_epi8(4)));
  return _mm_max_epu8(x, _mm_subs_epu8(_mm_slli_si128(x, 8), _mm_set1_epi8(8)));
}

int firstLane(__m128i x) { return _mm_cvtsi128_si32(x) & 0xFF; }
int lastLane(__m128i x) { return _mm_extract_epi16(x, 7) >> 8; }
__m128i everyLane(int value) { return _mm_set1_epi8(static_cast<char>(value)); }

// Walking down, per hit slot: 255 - (gap to its next hit), 0 when 255 or
// more pages away. Leaves per page 0, or 1 + G where a marking window starts.
void findStarts(const unsigned char* const* hitMaps, int count, unsigned char* starts) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i toNextBlock = _mm_setr_epi8(16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
  const __m128i reachable = everyLane(255 - distance);
  int carry[termSlots] = {};
  for (int32_t block = blocks - 1; block >= 0; --block) {
    __m128i nearest = everyLane(255), hitHere = zero;
    for (int i = 0; i < count; ++i) {
      __m128i hits = loadBlock(hitMaps[i], block);
      hitHere = _mm_or_si128(hitHere, hits);
      __m128i near = fadeTowardStart(_mm_sub_epi8(zero, hits));
      near = _mm_max_epu8(near, _mm_subs_epu8(everyLane(carry[i]), toNextBlock));
      carry[i] = firstLane(near);
      nearest = _mm_min_epu8(nearest, near);
    }
    __m128i within = _mm_cmpeq_epi8(_mm_subs_epu8(reachable, nearest), zero);
    __m128i marks = _mm_and_si128(within, _mm_sub_epi8(zero, hitHere));
    _mm_store_si128(reinterpret_cast<__m128i*>(starts + block * lanes),
                    _mm_and_si128(marks, _mm_sub_epi8(zero, nearest)));
  }
}

// Walking up: a start of 1 + G covers its own page and G more.
void markCovered(const unsigned char* starts) {
  const __m128i fromLastBlock = _mm_setr_epi8(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
  int carry = 0;
  for (int32_t block = 0; block < blocks; ++block) {
    __m128i cover = fadeTowardEnd(_mm_load_si128(reinterpret_cast<const __m128i*>(starts + block * lanes)));
    cover = _mm_max_epu8(cover, _mm_subs_epu8(everyLane(carry), fromLastBlock));
    carry = lastLane(cover);
    storeBlock(searchState.resultPages, block, _mm_min_epu8(cover, everyLane(1)));
  }
}

// False when the maps or the distance need the window-by-window way.
bool combineByGaps() {
  if (distance < 0 || distance > widestGap) return false;
  const unsigned char* hitMaps[termSlots];
  int count = 0;
  for (int slot = 0; slot < termSlots; ++slot) {
    const unsigned char* map = searchState.termPages[slot];
    SlotKind kind = searchState.hitCount[slot] == 0 ? SlotKind::everywhere : kindOf(map);
    if (kind == SlotKind::mixed) return false;
    if (kind == SlotKind::hitsOnly) hitMaps[count++] = map;
  }
  alignas(16) unsigned char starts[blocks * lanes];
  findStarts(hitMaps, count, starts);
  markCovered(starts);
  return true;
}

#else

bool combineByGaps() { return false; }

#endif

void combineByWindows() {
  int16_t reach[pageLimit];
  findReaches(reach);
  markReaches(reach);
}

}  // namespace

bool combineTerms() {
  searchState.message = nullptr;
  if (!prepareSlots()) return false;
  if (!combineByGaps()) combineByWindows();
  return true;
}
