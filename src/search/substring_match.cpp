// The substring search gives the first entry, from the start entry to the end
// of the index, whose key holds the term at some position. Keys shorter than
// the term are never compared.
//
// It is the one walk over the whole index, so it reads each key once: a
// single look at the key's first 32 bytes finds both the key's end and the
// places where the term's first two codes stand, and only there are the rest
// compared. That look may reach past the key into the rest of the entry, so
// it is taken only where 32 bytes of the installed index remain; elsewhere
// (and for the rare key of 32 codes or more) the key is searched byte-wise.
#include <cassert>
#include <cstdint>
#include <cstring>

#include "search/search_state.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The term's first code is found with memchr; only there is the rest compared.
bool keyHolds(const WordEntry* key, uint32_t keyLen, const char* term, uint32_t length) {
  const unsigned char* last = key + (keyLen - length);
  const unsigned char* at = key;
  while (at <= last) {
    at = static_cast<const unsigned char*>(std::memchr(at, term[0], static_cast<size_t>(last - at) + 1));
    if (at == nullptr) return false;
    if (std::memcmp(at, term, length) == 0) return true;
    ++at;
  }
  return false;
}

bool keyHoldsTerm(const WordEntry* key, uint32_t keyLen, const char* term, uint32_t length) {
  return keyLen >= length && keyHolds(key, keyLen, term, length);
}

int32_t readCount(const WordEntry* at) {
  return static_cast<int16_t>(at[0] | (at[1] << 8));
}

// The same step as nextEntry, from a key length already known.
const WordEntry* stepOver(const WordEntry* entry, uint32_t keyLen) {
  const WordEntry* next = entry + 2 * keyLen + 4 + 2 * readCount(entry + 2 * keyLen + 2);
  return *next == 0 ? nullptr : next;
}

const WordEntry* scanByteWise(const WordEntry* entry, const char* term, uint32_t length) {
  for (; entry != nullptr; entry = nextEntry(entry)) {
    if (keyHoldsTerm(entry, keyLength(entry), term, length)) return entry;
  }
  return nullptr;
}

#if defined(__SSE2__)

constexpr uint32_t lookWidth = 32;

// Where a 32-byte look may start and stay inside the installed index; null
// when the start entry lies outside it, which leaves the byte-wise search.
uintptr_t lastLookStart(const WordEntry* start) {
  const SearchState& s = searchState;
  if (s.index == nullptr || s.indexSize < lookWidth) return 0;
  auto first = reinterpret_cast<uintptr_t>(s.index);
  auto last = first + (s.indexSize - lookWidth);
  auto at = reinterpret_cast<uintptr_t>(start);
  return at >= first && at <= last ? last : 0;
}

uint32_t maskOf(__m128i lo, __m128i hi, __m128i wanted) {
  auto low = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(lo, wanted)));
  auto high = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(hi, wanted)));
  return low | (high << 16);
}

// The positions where the term could begin, given the masks of its first two
// codes; a candidate must leave room for the whole term inside the key.
uint32_t candidates(uint32_t first, uint32_t second, uint32_t keyLen, uint32_t length) {
  if (keyLen < length) return 0;
  uint32_t starts = keyLen - length + 1;  // at most 31 here
  uint32_t mask = first & ((1u << starts) - 1);
  return length >= 2 ? mask & (second >> 1) : mask;
}

bool confirmed(const WordEntry* entry, uint32_t mask, const char* term, uint32_t length) {
  if (length <= 2) return mask != 0;
  for (; mask != 0; mask &= mask - 1) {
    auto at = static_cast<uint32_t>(__builtin_ctz(mask));
    if (std::memcmp(entry + at + 2, term + 2, length - 2) == 0) return true;
  }
  return false;
}

}  // namespace

const WordEntry* findSubstringMatch(const WordEntry* start, const char* term, uint32_t length) {
  assert(term != nullptr && length >= 1);
  uintptr_t last = lastLookStart(start);
  const __m128i zero = _mm_setzero_si128();
  const __m128i first = _mm_set1_epi8(term[0]);
  const __m128i second = _mm_set1_epi8(length >= 2 ? term[1] : 0);
  const WordEntry* entry = start;
  while (entry != nullptr && reinterpret_cast<uintptr_t>(entry) <= last) {
    __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry));
    __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entry + 16));
    uint32_t ends = maskOf(lo, hi, zero);
    uint32_t keyLen;
    if (ends != 0) {
      keyLen = static_cast<uint32_t>(__builtin_ctz(ends));
      uint32_t mask = candidates(maskOf(lo, hi, first), maskOf(lo, hi, second), keyLen, length);
      if (mask != 0 && confirmed(entry, mask, term, length)) return entry;
    } else {
      keyLen = keyLength(entry);
      if (keyHoldsTerm(entry, keyLen, term, length)) return entry;
    }
    entry = stepOver(entry, keyLen);
  }
  return scanByteWise(entry, term, length);
}

#else

}  // namespace

const WordEntry* findSubstringMatch(const WordEntry* start, const char* term, uint32_t length) {
  assert(term != nullptr && length >= 1);
  return scanByteWise(start, term, length);
}

#endif
