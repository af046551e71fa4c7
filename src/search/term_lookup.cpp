// Term lookup finds, one after another, the word entries that match the term
// in termText: by prefix through the bucket table, or, after a leading '*',
// by substring over the whole index. Each word taken marks its pages in the
// slot's page map; the hundred-and-first match stops the lookup.
#include <cassert>
#include <cstring>

#include "search/derived_tables.h"
#include "search/search_state.h"

// Marking reads the entry's page list to its end, which is where the next
// entry begins; the lookup's next step starts there without measuring the
// key again. The place holds until the data sets change.
static const WordEntry* entryAfterTaken(const WordEntry* previous) {
  const DerivedTables& d = derivedTables;
  if (previous != d.lastMarked) return nextEntry(previous);
  return entryOrEnd(d.afterLastMarked);
}

// Pages come from checked data; one outside the map is skipped rather than
// written past it, should unchecked bytes ever get here.
// A page read unsigned is below the limit exactly when it is 0 to lastPage read
// signed, so one comparison does for both ends.
static void markPages(int slot, const WordEntry* entry) {
  const unsigned char* pages = pagesOf(entry);
  int32_t count = pageCountBefore(pages);
  unsigned char* map = searchState.termPages[slot];
  for (int32_t i = 0; i < count; ++i) {
    uint16_t page = uint16At(pages + 2 * i);
    if (page < pageLimit) map[page] = 1;
  }
  derivedTables.lastMarked = entry;
  derivedTables.afterLastMarked = pagesEnd(pages, count);
}

// The lookup ends without a word: the term is refused or has no match.
static const WordEntry* endWithoutWords(int slot, const char* message) {
  searchState.message = message;
  searchState.hitCount[slot] = -1;
  return nullptr;
}

static void removeLeadingStar() {
  SearchState& s = searchState;
  s.wildcard = s.termText[0] == '*';
  if (s.wildcard) std::memmove(s.termText, s.termText + 1, std::strlen(s.termText));
}

// A one-symbol prefix starts at the first two-code run of its row.
static const WordEntry* firstInRow(int code) {
  for (int second = 1; second <= keyAlphabetSize; ++second) {
    if (const WordEntry* bucket = searchState.buckets[code - 1][second - 1]) return bucket;
  }
  return nullptr;
}

// From the bucket of the term's first two codes, walk to the first key that
// begins with the term; a key greater than the term means there is none.
// Term and key are compared byte by byte as strncmp would, and the key's
// length is measured on from where they part, so each key is read once.
static const WordEntry* walkToPrefix(const WordEntry* entry) {
  const SearchState& s = searchState;
  const auto* term = reinterpret_cast<const unsigned char*>(s.termText);
  while (entry != nullptr) {
    const unsigned char* key = entryBytes(entry);
    uint32_t same = 0;
    // The term holds no 0, so the key's end parts them too.
    while (same < s.termLength && key[same] == term[same]) ++same;
    if (same == s.termLength) return entry;
    if (key[same] != 0 && term[same] < key[same]) return nullptr;
    uint32_t keyLen = same;
    while (key[keyLen] != 0) ++keyLen;
    entry = entryAfter(entry, keyLen);
  }
  return nullptr;
}

static const WordEntry* prefixCandidate() {
  const SearchState& s = searchState;
  int c1 = static_cast<unsigned char>(s.termText[0]);
  if (s.termLength == 1) return firstInRow(c1);
  int c2 = static_cast<unsigned char>(s.termText[1]);
  if (s.termLength == 2) return bucketNumbered(bucketNumber(c1, c2));
  int c3 = static_cast<unsigned char>(s.termText[2]);
  return walkToPrefix(runOfThreeCodes(c1, c2, c3));
}

const WordEntry* findFirstMatch(int slot) {
  assert(slot >= 0 && slot < termSlots);
  SearchState& s = searchState;
  s.message = nullptr;
  s.hitCount[slot] = 0;
  std::memset(s.termPages[slot], 0, pageLimit);
  removeLeadingStar();
  s.termLength = static_cast<uint32_t>(std::strlen(s.termText));
  if (s.termLength == 0) return s.wildcard ? endWithoutWords(slot, messageStarTooShort) : nullptr;
  if (!normaliseTerm(s.termText)) return endWithoutWords(slot, messageInvalidSymbol);
  if (s.wildcard && s.termLength == 1) return endWithoutWords(slot, messageStarTooShort);
  const WordEntry* candidate = s.wildcard
      ? findSubstringMatch(firstEntryOf(s.index), s.termText, s.termLength)
      : prefixCandidate();
  if (candidate == nullptr) return endWithoutWords(slot, messageNotFound);
  s.hitCount[slot] = 1;
  markPages(slot, candidate);
  return candidate;
}

const WordEntry* findNextMatch(int slot, const WordEntry* previous) {
  assert(slot >= 0 && slot < termSlots);
  assert(previous != nullptr);
  SearchState& s = searchState;
  const WordEntry* next = entryAfterTaken(previous);
  const WordEntry* candidate = nullptr;
  if (next != nullptr) {
    candidate = s.wildcard ? findSubstringMatch(next, s.termText, s.termLength)
        : std::strncmp(s.termText, keyOf(next), s.termLength) == 0 ? next : nullptr;
  }
  s.message = nullptr;
  if (candidate == nullptr) return nullptr;
  if (s.hitCount[slot] >= wordLimit) {
    s.message = messageTooManyWords;
    s.hitCount[slot] = overLimit;
    return nullptr;
  }
  s.hitCount[slot] += 1;
  markPages(slot, candidate);
  return candidate;
}
