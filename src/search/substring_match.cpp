// The substring search looks for the term at every position of every key,
// from the start entry to the end of the index, and gives the first entry
// whose key holds it. Keys shorter than the term are never compared.
#include <cassert>
#include <cstring>

#include "search/search_state.h"

// The term's first code is found with memchr; only there is the rest compared.
static bool keyHolds(const WordEntry* key, uint32_t keyLen, const char* term, uint32_t length) {
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

const WordEntry* findSubstringMatch(const WordEntry* start, const char* term, uint32_t length) {
  assert(term != nullptr && length >= 1);
  for (const WordEntry* entry = start; entry != nullptr; entry = nextEntry(entry)) {
    uint32_t keyLen = keyLength(entry);
    if (keyLen >= length && keyHolds(entry, keyLen, term, length)) return entry;
  }
  return nullptr;
}
