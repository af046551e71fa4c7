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
  assert(entry != nullptr && entryBytes(entry)[keyLen] == 0);
  return entryOrEnd(entryEnd(entry, keyLen));
}

int16_t headingPage(const unsigned char* heading) {
  return int16At(heading);
}

int8_t headingLevel(const unsigned char* heading) {
  return static_cast<int8_t>(heading[headingLevelOffset]);
}

const char* headingTitle(const unsigned char* heading) {
  return reinterpret_cast<const char*>(heading + headingTitleOffset);
}

const unsigned char* nextHeading(const unsigned char* heading) {
  return heading + headingSize(static_cast<uint32_t>(std::strlen(headingTitle(heading))));
}
