// Load-time checks of the two data sets. The readers trust every rule of the
// formats and never look at a data set's length; these checks walk each data
// set once, never past its recorded size, so that a data set that breaks a
// rule is refused before any reader sees it.
#include <cstring>

#include "index/word_index.h"

namespace {

struct Walk {
  const unsigned char* bytes;
  uint32_t size;
  DataSetFault* fault;
  int dataSet;

  bool refuse(DataRule rule, uint64_t offset) const {
    if (fault != nullptr) *fault = {rule, static_cast<uint32_t>(offset), dataSet};
    return false;
  }
  bool holds(uint64_t offset, uint64_t count) const { return offset + count <= size; }
  int32_t int16At(uint64_t offset) const { return ::int16At(bytes + offset); }
  // Length of the zero-terminated text at offset, or -1 when no zero follows.
  int64_t textLength(uint64_t offset) const {
    if (offset >= size) return -1;
    // Below size, a 32-bit count: it fits a size_t on every target.
    auto rest = static_cast<std::size_t>(size - offset);
    const void* zero = std::memchr(bytes + offset, 0, rest);
    return zero == nullptr ? -1 : static_cast<const unsigned char*>(zero) - (bytes + offset);
  }
};

// The key code a display character stands for, or 0 when none.
int keyCodeOfCharacter(unsigned char c) {
  return keyCodeOf(foldCase(c));
}

// The end marker is two zero bytes that end the data set exactly.
bool checkEndMarker(const Walk& w, uint64_t offset, DataRule rule) {
  if (!w.holds(offset, 2) || w.bytes[offset + 1] != 0) return w.refuse(rule, offset);
  if (offset + 2 != w.size) return w.refuse(DataRule::bytesAfterEnd, offset + 2);
  return true;
}

bool checkKey(const Walk& w, uint64_t at, int64_t n) {
  if (n < 0) return w.refuse(DataRule::keyPastEnd, at);
  if (n < shortestKey) return w.refuse(DataRule::keyTooShort, at);
  if (n > longestKey) return w.refuse(DataRule::keyTooLong, at);
  for (int64_t i = 0; i < n; ++i) {
    if (w.bytes[at + i] > keyAlphabetSize) return w.refuse(DataRule::keyCode, at + i);
  }
  return true;
}

bool checkDisplayWord(const Walk& w, uint64_t at, int64_t n) {
  uint64_t word = at + displayWordOffset(n);
  int64_t length = w.textLength(word);
  if (length < 0) return w.refuse(DataRule::displayWordPastEnd, word);
  if (length != n) return w.refuse(DataRule::displayWordLength, word);
  for (int64_t i = 0; i < n; ++i) {
    if (keyCodeOfCharacter(w.bytes[word + i]) != w.bytes[at + i]) {
      return w.refuse(DataRule::displayWordCharacter, word + i);
    }
  }
  return true;
}

bool checkPages(const Walk& w, uint64_t countAt, int32_t* count) {
  if (!w.holds(countAt, 2)) return w.refuse(DataRule::pageCountPastEnd, countAt);
  *count = w.int16At(countAt);
  if (*count < 0 || *count > pageLimit) return w.refuse(DataRule::pageCountRange, countAt);
  if (!w.holds(countAt + 2, 2 * static_cast<uint64_t>(*count))) {
    return w.refuse(DataRule::pagesPastEnd, countAt + 2);
  }
  int32_t previous = -1;
  for (int32_t i = 0; i < *count; ++i) {
    uint64_t at = countAt + 2 + 2 * static_cast<uint64_t>(i);
    int32_t page = w.int16At(at);
    if (page < 0 || page >= pageLimit) return w.refuse(DataRule::pageRange, at);
    if (page <= previous) return w.refuse(DataRule::pagesNotAscending, at);
    previous = page;
  }
  return true;
}

}  // namespace

bool checkWordIndex(const unsigned char* bytes, uint32_t size, DataSetFault* fault) {
  Walk w{bytes, size, fault, wordIndexResourceId};
  if (bytes == nullptr) return w.refuse(DataRule::wordIndexMissing, 0);
  uint64_t at = 0;
  const char* previousKey = nullptr;
  while (w.holds(at, 1) && bytes[at] != 0) {
    int64_t n = w.textLength(at);
    if (!checkKey(w, at, n) || !checkDisplayWord(w, at, n)) return false;
    const char* key = reinterpret_cast<const char*>(bytes + at);
    if (previousKey != nullptr && std::strcmp(previousKey, key) >= 0) {
      return w.refuse(DataRule::keyOrder, at);
    }
    int32_t count = 0;
    if (!checkPages(w, at + pageCountOffset(n), &count)) return false;
    previousKey = key;
    at += entrySize<uint64_t>(n, count);
  }
  return checkEndMarker(w, at, DataRule::wordIndexEnd);
}

namespace {

struct Trail {
  int64_t chapter = 0, section = 0, subsection = 0;
  int previousLevel = 0;
  int32_t previousPage = 1;
};

bool checkLevel(const Walk& w, uint64_t at, int level, Trail& trail) {
  if (level < 1 || level > 3) return w.refuse(DataRule::levelRange, at + 2);
  if (trail.previousLevel == 0 && level != 1) {
    return w.refuse(DataRule::firstNotChapter, at + 2);
  }
  if (level == 3 && trail.previousLevel == 1) {
    return w.refuse(DataRule::subsectionAfterChapter, at + 2);
  }
  trail.previousLevel = level;
  return true;
}

bool checkTitle(const Walk& w, uint64_t at, int64_t length) {
  if (length < 0) return w.refuse(DataRule::titlePastEnd, at + 3);
  for (int64_t i = 0; i < length; ++i) {
    if (!isTitleCharacter(w.bytes[at + 3 + i])) {
      return w.refuse(DataRule::titleCharacter, at + 3 + i);
    }
  }
  if (length % 2 == 1) {
    uint64_t fill = at + 4 + length;
    if (!w.holds(fill, 1) || w.bytes[fill] != 0) return w.refuse(DataRule::fillByte, fill);
  }
  return true;
}

// The titles in force at once must fit one result row.
bool checkTrail(const Walk& w, uint64_t at, int level, int64_t length, Trail& trail) {
  if (level == 1) trail = {length, 0, 0, trail.previousLevel, trail.previousPage};
  if (level == 2) trail.section = length, trail.subsection = 0;
  if (level == 3) trail.subsection = length;
  if (trail.chapter + trail.section + trail.subsection > longestTrail) {
    return w.refuse(DataRule::trailTooLong, at + 3);
  }
  return true;
}

}  // namespace

// Controls (the tab among them) and the five bytes cp1252 leaves undefined.
bool isTitleCharacter(unsigned char c) {
  bool control = c < 0x20 || c == 0x7F;
  bool undefined = c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
  return !control && !undefined;
}

bool checkHeadingTable(const unsigned char* bytes, uint32_t size, DataSetFault* fault) {
  Walk w{bytes, size, fault, headingTableResourceId};
  if (bytes == nullptr) return w.refuse(DataRule::headingTableMissing, 0);
  uint64_t at = 0;
  Trail trail;
  while (w.holds(at, 2) && w.int16At(at) != 0) {
    int32_t page = w.int16At(at);
    if (page < trail.previousPage) return w.refuse(DataRule::headingPage, at);
    if (!w.holds(at, 3)) return w.refuse(DataRule::headingPastEnd, at);
    int level = static_cast<int8_t>(bytes[at + 2]);
    int64_t length = w.textLength(at + 3);
    if (!checkLevel(w, at, level, trail) || !checkTitle(w, at, length)) return false;
    if (!checkTrail(w, at, level, length, trail)) return false;
    trail.previousPage = page;
    at += 4 + length + (length % 2);
  }
  return checkEndMarker(w, at, DataRule::headingTableEnd);
}
