// Walking the variable-length records of the two data sets. Every field of a
// word entry is found from its key length alone, and every field of a heading
// entry from its title length; nothing here looks at a data set's size.
#include <cassert>
#include <cstring>

#include "index/word_index.h"

uint32_t keyLength(const WordEntry* entry) {
  assert(entry != nullptr);
  return static_cast<uint32_t>(std::strlen(keyOf(entry)));
}

const char* displayWordOf(const WordEntry* entry) {
  return reinterpret_cast<const char*>(entryBytes(entry) + displayWordOffset(keyLength(entry)));
}

int16_t pageCountOf(const WordEntry* entry) {
  return int16At(entryBytes(entry) + pageCountOffset(keyLength(entry)));
}

int16_t pageOf(const WordEntry* entry, int32_t i) {
  assert(i >= 0);
  return pageIn(pagesOf(entry), i);
}

const unsigned char* pagesOf(const WordEntry* entry) {
  return entryBytes(entry) + pagesOffset(keyLength(entry));
}

// A zero byte where the next key would begin is the end marker.
const WordEntry* nextEntry(const WordEntry* entry) {
  return entryAfter(entry, keyLength(entry));
}

// The same, for a walk that has already measured the key.
const WordEntry* entryAfter(const WordEntry* entry, uint32_t keyLen) {
  const unsigned char* bytes = entryBytes(entry);
  assert(entry != nullptr && bytes[keyLen] == 0);
  int32_t count = int16At(bytes + pageCountOffset(keyLen));
  const unsigned char* next = bytes + pagesOffset(keyLen) + 2 * count;
  return *next == 0 ? nullptr : entryAt(next);
}

int16_t headingPage(const unsigned char* heading) {
  return int16At(heading);
}

int8_t headingLevel(const unsigned char* heading) {
  return static_cast<int8_t>(heading[2]);
}

const char* headingTitle(const unsigned char* heading) {
  return reinterpret_cast<const char*>(heading + 3);
}

// A title of odd length is followed by a fill byte, so entries stay even.
const unsigned char* nextHeading(const unsigned char* heading) {
  uint32_t length = static_cast<uint32_t>(std::strlen(headingTitle(heading)));
  return heading + length + (length % 2 == 0 ? 4 : 5);
}
