// Every position of every key long enough to hold the term, in order.
#include <cstring>

#include "literal_search.h"

static bool keyHoldsAt(const char* key, uint32_t keyLen, const char* term, uint32_t length) {
  for (uint32_t i = 0; i + length <= keyLen; ++i) {
    if (std::memcmp(key + i, term, length) == 0) return true;
  }
  return false;
}

const WordEntry* literalFindSubstringMatch(const WordEntry* start, const char* term, uint32_t length) {
  for (const WordEntry* entry = start; entry != nullptr; entry = nextEntry(entry)) {
    uint32_t keyLen = keyLength(entry);
    if (keyLen >= length && keyHoldsAt(keyOf(entry), keyLen, term, length)) return entry;
  }
  return nullptr;
}
