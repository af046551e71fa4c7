// The combination by gaps between hits, 64 pages at a time, for the usual
// maps and distances; the window-by-window way covers the rest.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "search/combine_methods.h"
#include "search/eight_pages.h"

namespace {

// The usual maps allow a shortcut. A slot whose every byte is 0 or 1 is
// present exactly where it hits; a slot whose every byte is present but no
// hit (an empty slot's fill) is present in every window and never marks.
// Then a window that marks with its lowest hit at page q marks the same
// pages as the window that starts at q, so only windows that start on a hit
// need to count: the window at q marks when every hit slot has a hit in q
// to q + distance, and it marks from q to the furthest of those slots' next
// hits. Both are worked out 64 pages at a time on bit maps of the slots.
static_assert(std::endian::native == std::endian::little, "eight page bytes are read as one word");
static_assert(pageLimit % 8 == 0, "page maps are read eight pages at a time");
constexpr int32_t wordBits = 64;
constexpr int32_t mapWords = (pageLimit + wordBits - 1) / wordBits;
using PageBits = uint64_t[mapWords + 3];  // clear words past the map
constexpr int32_t widestGap = 4 * wordBits - 2;  // keeps every shift below two words

enum class SlotKind { hitsOnly, everywhere, mixed };

// Byte i of eight bytes that are each 0 or 1 becomes bit i.
uint64_t packEight(uint64_t eight) { return (eight * 0x0102040810204080ULL) >> 56; }

// What a read of a map has seen: every byte or'ed, every byte and'ed.
struct MapSummary {
  uint64_t any = 0, all = ~0ULL;
};

// Pages from `first` on, eight at a time, into bit `first % 64` on.
uint64_t readEights(const unsigned char* map, int32_t first, int32_t last, MapSummary& seen) {
  uint64_t word = 0;
  for (int32_t at = first; at < last; at += 8) {
    uint64_t eight = eightPagesAt(map + at);
    seen.any |= eight;
    seen.all &= eight;
    word |= packEight(eight & lowBitOfEachPage) << (at % wordBits);
  }
  return word;
}

// Reads a slot's map once: its kind, and for a slot of hits its bit map
// (bits past the last page clear).
SlotKind kindSeen(const MapSummary& seen) {
  constexpr uint64_t highBitOfEachPage = lowBitOfEachPage << 7;
  if ((seen.any & ~lowBitOfEachPage) == 0) return SlotKind::hitsOnly;
  return (seen.all & highBitOfEachPage) == highBitOfEachPage ? SlotKind::everywhere : SlotKind::mixed;
}

#if defined(__SSE2__)

// Sixteen pages at a time give sixteen bits, which stand in the words of
// the bit map as two bytes at twice the block's number.
SlotKind readSlot(const unsigned char* map, uint64_t* bits) {
  constexpr int32_t blocks = pageLimit / 16;
  std::memset(bits, 0, sizeof(PageBits));
  __m128i any = _mm_setzero_si128(), all = _mm_cmpeq_epi8(any, any);
  for (int32_t block = 0; block < blocks; ++block) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(map + 16 * block));
    any = _mm_or_si128(any, bytes);
    all = _mm_and_si128(all, bytes);
    // Bit 0 of each byte moves to bit 7, where the byte's sign is read.
    auto signs = static_cast<uint16_t>(_mm_movemask_epi8(_mm_slli_epi16(bytes, 7)));
    std::memcpy(reinterpret_cast<unsigned char*>(bits) + 2 * block, &signs, sizeof signs);
  }
  alignas(16) uint64_t lanes[2][2];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes[0]), any);
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes[1]), all);
  MapSummary seen{lanes[0][0] | lanes[0][1], lanes[1][0] & lanes[1][1]};
  int32_t rest = blocks * 16;
  bits[rest / wordBits] |= readEights(map, rest, pageLimit, seen);
  return kindSeen(seen);
}

#else

SlotKind readSlot(const unsigned char* map, uint64_t* bits) {
  MapSummary seen;
  for (int32_t w = 0; w < mapWords; ++w) {
    bits[w] = readEights(map, w * wordBits, std::min(w * wordBits + wordBits, pageLimit), seen);
  }
  bits[mapWords] = bits[mapWords + 1] = bits[mapWords + 2] = 0;
  return kindSeen(seen);
}

#endif

// bits[q] |= bits[q + shift], for every q; the words past the map are clear,
// so bits above the map read as clear. Shifts stay below two words. Words
// are taken two at a time where the processor has the lanes for it; a word
// is read only after the words below it are written, never before.
void orFromAbove(uint64_t* bits, int32_t shift) {
  int32_t skip = shift / wordBits;
  auto rest = static_cast<unsigned>(shift % wordBits);
#if defined(__SSE2__)
  const __m128i down = _mm_cvtsi32_si128(static_cast<int>(rest));
  const __m128i up = _mm_cvtsi32_si128(static_cast<int>(wordBits - rest));
  for (int32_t i = 0; i < mapWords; i += 2) {
    __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bits + i + skip));
    __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bits + i + skip + 1));
    // A shift by a whole word gives 0, as the rest of 0 needs.
    __m128i from = _mm_or_si128(_mm_srl_epi64(low, down), _mm_sll_epi64(high, up));
    __m128i* at = reinterpret_cast<__m128i*>(bits + i);
    _mm_storeu_si128(at, _mm_or_si128(_mm_loadu_si128(at), from));
  }
#else
  for (int32_t i = 0; i < mapWords; ++i) {
    uint64_t high = rest == 0 ? 0 : bits[i + skip + 1] << (wordBits - rest);
    bits[i] |= (bits[i + skip] >> rest) | high;
  }
#endif
}

// Turns a slot's hits into the pages q with a hit in q to q + span - 1:
// windows double up to span, and a last one overlaps to cover the rest.
void widenToSpan(uint64_t* bits, int32_t span) {
  int32_t covered = 1;
  for (; 2 * covered <= span; covered *= 2) orFromAbove(bits, covered);
  if (covered < span) orFromAbove(bits, span - covered);
}

// From every page where a marking window starts, marks upward through the
// slot's pages without a hit up to its next hit: one carrying addition runs
// each such page up a stretch of pages without hits and out onto the hit
// that closes it.
void markToNextHit(const uint64_t* markingStarts, const uint64_t* hits, uint64_t* marks) {
  uint64_t carry = 0;
  for (int32_t i = 0; i < mapWords; ++i) {
    uint64_t open = ~hits[i], seeds = markingStarts[i] & open;
    uint64_t sum = seeds + open;
    uint64_t carried = sum < seeds ? 1 : 0;
    sum += carry;
    carried |= sum < carry ? 1 : 0;
    marks[i] |= (sum ^ open) | markingStarts[i];
    carry = carried;
  }
}

// Bit i of a byte becomes byte i, 0 or 1, of eight bytes.
constexpr uint64_t spreadEight(unsigned bitsOfEight) {
  uint64_t eight = 0;
  for (int i = 0; i < 8; ++i) eight |= static_cast<uint64_t>((bitsOfEight >> i) & 1) << (8 * i);
  return eight;
}

constexpr std::array<uint64_t, 256> spread = [] {
  std::array<uint64_t, 256> eights{};
  for (unsigned b = 0; b < 256; ++b) eights[b] = spreadEight(b);
  return eights;
}();

// Writes the marks as bytes, eight pages at a time.
void storeMarks(const uint64_t* marks) {
  for (int32_t page = 0; page < pageLimit; page += 8) {
    auto bitsOfEight = static_cast<unsigned>((marks[page / wordBits] >> (page % wordBits)) & 0xFF);
    std::memcpy(searchState.resultPages + page, &spread[bitsOfEight], 8);
  }
}

}  // namespace

// False when the maps or the distance need the window-by-window way.
bool combineByGaps() {
  if (distance < 0 || distance > widestGap) return false;
  PageBits hits[termSlots], markingStarts, hitWithinSpan, marks;
  int count = 0;
  for (int slot = 0; slot < termSlots; ++slot) {
    // An empty slot's fill is present everywhere and never marks: no need
    // to read it.
    if (searchState.hitCount[slot] == 0) continue;
    SlotKind kind = readSlot(searchState.termPages[slot], hits[count]);
    if (kind == SlotKind::mixed) return false;
    if (kind == SlotKind::hitsOnly) ++count;
  }
  int32_t span = distance + 1;
  std::memset(markingStarts, 0, sizeof markingStarts);
  for (int i = 0; i < count; ++i) {
    for (int32_t w = 0; w < mapWords; ++w) markingStarts[w] |= hits[i][w];
  }
  for (int i = 0; i < count; ++i) {
    std::memcpy(hitWithinSpan, hits[i], sizeof hitWithinSpan);
    widenToSpan(hitWithinSpan, span);
    for (int32_t w = 0; w < mapWords; ++w) markingStarts[w] &= hitWithinSpan[w];
  }
  std::memset(marks, 0, sizeof marks);
  for (int i = 0; i < count; ++i) markToNextHit(markingStarts, hits[i], marks);
  storeMarks(marks);
  return true;
}

