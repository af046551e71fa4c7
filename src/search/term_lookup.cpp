// Term lookup finds, one after another, the word entries that match the term
// in termText: by prefix through the bucket table, or, after a leading '*',
// by substring over the whole index. Each word taken marks its pages in the
// slot's page map; the hundred-and-first match stops the lookup.
#include <cassert>
#include <cstring>

#include "search/search_state.h"

static const char* keyText(const WordEntry* entry) {
  return reinterpret_cast<const char*>(entry);
}

// Pages come from checked data; one outside the map is skipped rather than
// written past it, should unchecked bytes ever get here.
static void markPages(int slot, const WordEntry* entry) {
  int32_t count = pageCountOf(entry);
  for (int32_t i = 0; i < count; ++i) {
    int32_t page = pageOf(entry, i);
    if (page >= 0 && page < pageLimit) searchState.termPages[slot][page] = 1;
  }
}

static const WordEntry* refuse(int slot, const char* message) {
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
  for (int second = 0; second < keyAlphabetSize; ++second) {
    if (searchState.buckets[code - 1][second] != nullptr) return searchState.buckets[code - 1][second];
  }
  return nullptr;
}

// From the bucket of the term's first two codes, walk to the first key that
// begins with the term; a key greater than the term means there is none.
static const WordEntry* walkToPrefix(const WordEntry* entry) {
  const SearchState& s = searchState;
  while (entry != nullptr) {
    uint32_t keyLen = keyLength(entry);
    uint32_t n = s.termLength < keyLen ? s.termLength : keyLen;
    int order = std::strncmp(s.termText, keyText(entry), n);
    if (order < 0) return nullptr;
    if (order == 0 && keyLen >= s.termLength) return entry;
    entry = nextEntry(entry);
  }
  return nullptr;
}

static const WordEntry* prefixCandidate() {
  const SearchState& s = searchState;
  int c1 = static_cast<unsigned char>(s.termText[0]);
  if (s.termLength == 1) return firstInRow(c1);
  int c2 = static_cast<unsigned char>(s.termText[1]);
  const WordEntry* bucket = s.buckets[c1 - 1][c2 - 1];
  if (s.termLength == 2) return bucket;
  return walkToPrefix(bucket);
}

static const WordEntry* firstEntry() {
  const unsigned char* index = searchState.index;
  return (index == nullptr || index[0] == 0) ? nullptr : index;
}

const WordEntry* findFirstMatch(int slot) {
  assert(slot >= 0 && slot < termSlots);
  SearchState& s = searchState;
  s.message = nullptr;
  s.hitCount[slot] = 0;
  std::memset(s.termPages[slot], 0, pageLimit);
  removeLeadingStar();
  s.termLength = static_cast<uint32_t>(std::strlen(s.termText));
  if (s.termLength == 0) return s.wildcard ? refuse(slot, messageStarTooShort) : nullptr;
  if (!normaliseTerm(s.termText)) return refuse(slot, messageInvalidSymbol);
  if (s.wildcard && s.termLength == 1) return refuse(slot, messageStarTooShort);
  const WordEntry* candidate = s.wildcard
      ? findSubstringMatch(firstEntry(), s.termText, s.termLength)
      : prefixCandidate();
  if (candidate == nullptr) return refuse(slot, messageNotFound);
  s.hitCount[slot] = 1;
  markPages(slot, candidate);
  return candidate;
}

const WordEntry* findNextMatch(int slot, const WordEntry* previous) {
  assert(slot >= 0 && slot < termSlots);
  assert(previous != nullptr);
  SearchState& s = searchState;
  const WordEntry* next = nextEntry(previous);
  const WordEntry* candidate = nullptr;
  if (next != nullptr) {
    candidate = s.wildcard ? findSubstringMatch(next, s.termText, s.termLength)
        : std::strncmp(s.termText, keyText(next), s.termLength) == 0 ? next : nullptr;
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
