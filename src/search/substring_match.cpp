// The substring search gives the first entry, from the start entry to the end
// of the index, whose key holds the term at some position. Keys shorter than
// the term are never compared. Where the processor allows and the start lies
// in the installed index, the bytes are searched first (byte_search.cpp);
// otherwise every key is walked.
#include <cassert>
#include <cstddef>
#include <cstring>

#include "search/byte_search.h"

namespace {

// The term's first code is found with memchr; only there is the rest compared.
bool keyHolds(const unsigned char* key, uint32_t keyLen, const char* term, uint32_t length) {
  if (keyLen < length) return false;
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

const WordEntry* walkEveryKey(const WordEntry* entry, const char* term, uint32_t length) {
  for (; entry != nullptr; entry = nextEntry(entry)) {
    if (keyHolds(entryBytes(entry), keyLength(entry), term, length)) return entry;
  }
  return nullptr;
}

}  // namespace

const WordEntry* findSubstringMatch(const WordEntry* start, const char* term, uint32_t length) {
  assert(term != nullptr && length >= 1);
#if QUIREL_BYTE_SEARCH
  if (const unsigned char* end = byteSearchEnd(start)) return searchBytes(start, end, term, length);
#endif
  return walkEveryKey(start, term, length);
}
