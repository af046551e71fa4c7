// The substring search by bytes. A key that holds the term holds it
// somewhere in the index's bytes, so the bytes are searched first, in one
// forward pass, for the term itself; only where it occurs are the entries
// walked up to that place, to see whether it stands inside a key. A term
// found nowhere, the slowest case of a walk over every key, thus costs about
// one pass over memory; the bucket table shortens the walk to a place. The
// pass reads up to the installed index's recorded end.
#include "search/byte_search.h"

#if QUIREL_BYTE_SEARCH

#include <immintrin.h>

#include <cstddef>
#include <cstring>

namespace {

// The first place from `from` on where the whole term stands in the bytes
// before `end`, or null. 64 places are tested at a time on the term's first
// and last code; the rest of the term is compared only where both agree.
__attribute__((target("avx2"))) const unsigned char* findInBytes(
    const unsigned char* from, const unsigned char* end, const char* term, uint32_t length) {
  if (static_cast<size_t>(end - from) < length) return nullptr;
  const unsigned char* lastPlace = end - length;
  const __m256i first = _mm256_set1_epi8(term[0]);
  const __m256i last = _mm256_set1_epi8(term[length - 1]);
  const unsigned char* at = from;
  // One test of both halves of 32 decides whether any place needs a closer look.
  for (; end - at >= static_cast<std::ptrdiff_t>(length - 1 + 64); at += 64) {
    __m256i lowHeads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    __m256i lowTails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + length - 1));
    __m256i highHeads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 32));
    __m256i highTails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 32 + length - 1));
    __m256i low = _mm256_and_si256(_mm256_cmpeq_epi8(lowHeads, first), _mm256_cmpeq_epi8(lowTails, last));
    __m256i high = _mm256_and_si256(_mm256_cmpeq_epi8(highHeads, first), _mm256_cmpeq_epi8(highTails, last));
    __m256i either = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(either, either)) continue;
    uint64_t both = static_cast<uint32_t>(_mm256_movemask_epi8(low)) |
                    static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(high))) << 32;
    for (; both != 0; both &= both - 1) {
      const unsigned char* place = at + __builtin_ctzll(both);
      if (std::memcmp(place, term, length) == 0) return place;
    }
  }
  // The last places, fewer than 64, one at a time.
  for (; at <= lastPlace; ++at) {
    if (*at == static_cast<unsigned char>(term[0]) && std::memcmp(at, term, length) == 0) return at;
  }
  return nullptr;
}

}  // namespace

// The installed index's end when `start` lies inside it, else null.
const unsigned char* byteSearchEnd(const WordEntry* start) {
  const SearchState& s = searchState;
  if (s.index == nullptr || !__builtin_cpu_supports("avx2")) return nullptr;
  auto first = reinterpret_cast<uintptr_t>(s.index);
  auto at = reinterpret_cast<uintptr_t>(start);
  return at >= first && at - first < s.indexSize ? s.index + s.indexSize : nullptr;
}

namespace {

// From `entry`, the entry whose bytes hold `place`, walking forward; null
// when the index ends first.
const WordEntry* entryHolding(const WordEntry* entry, const unsigned char* place) {
  while (entry != nullptr && entryEnd(entry, keyLength(entry)) <= place) entry = nextEntry(entry);
  return entry;
}

// The bucket table, read row by row, lists entries in ascending order: from
// its last entry at or before a place, the walk to the entry that holds the
// place covers at most one two-code run. Places come in ascending order, so
// the table is climbed once per search, from the bucket of the start entry's
// own first two codes: every bucket before that lies before the start.
struct BucketClimb {
  int bucket;             // the bucket's number
  const WordEntry* lastAtOrBefore;  // the last bucket entry found not past the place
};

// The first bucket to look at: the start entry's own first two codes (a key
// of one code, which no checked index holds, climbs from its row's first).
BucketClimb climbFrom(const WordEntry* start) {
  int first = entryBytes(start)[0], second = entryBytes(start)[1];
  if (first < 1 || first > keyAlphabetSize || second > keyAlphabetSize) return {0, nullptr};
  return {bucketNumber(first, second > 0 ? second : 1), nullptr};
}

const WordEntry* lastBucketUpTo(BucketClimb* climb, const unsigned char* place) {
  for (; climb->bucket < bucketCount; ++climb->bucket) {
    const WordEntry* bucket = bucketNumbered(climb->bucket);
    if (bucket == nullptr) continue;
    if (entryBytes(bucket) > place) break;
    climb->lastAtOrBefore = bucket;
  }
  return climb->lastAtOrBefore;
}

}  // namespace

// Every entry from `entry` up to the first place where the term stands lies
// before that place and so cannot hold the term: the walk may start at the
// climb's bucket entry when that lies further on.
const WordEntry* searchBytes(const WordEntry* entry, const unsigned char* end, const char* term,
                             uint32_t length) {
  BucketClimb climb = climbFrom(entry);
  while (entry != nullptr) {
    const unsigned char* place = findInBytes(entryBytes(entry), end, term, length);
    if (place == nullptr) return nullptr;
    const WordEntry* bucketEntry = lastBucketUpTo(&climb, place);
    if (bucketEntry != nullptr && bucketEntry > entry) entry = bucketEntry;
    entry = entryHolding(entry, place);
    if (entry == nullptr) return nullptr;
    uint32_t keyLen = keyLength(entry);
    if (place + length <= entryBytes(entry) + keyLen) return entry;
    // Found in a display word or among the pages: no later place in this
    // entry lies inside its key either.
    entry = nextEntry(entry);
  }
  return nullptr;
}


#endif
