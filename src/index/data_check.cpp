// Load-time checks of the two data sets. The readers trust every rule of the
// formats and never look at a data set's length; these checks walk each data
// set once, never past its recorded size, so that a data set that breaks a
// rule is refused before any reader sees it.
#include <cstring>

#include "index/word_index.h"

namespace {

// The data set under check: its bytes, the size no read may pass, and where
// a broken rule is reported.
struct CheckedDataSet {
  const unsigned char* bytes;
  uint32_t size;
  DataSetFault* fault;
  DataSetKind dataSet;

  bool refuse(DataRule rule, uint64_t offset) const {
    if (fault != nullptr) *fault = {rule, static_cast<uint32_t>(offset), dataSet};
    return false;
  }
  bool holds(uint64_t offset, uint64_t count) const { return offset + count <= size; }
  int32_t int16AtOffset(uint64_t offset) const { return int16At(bytes + offset); }
  // Length of the zero-terminated text at offset, or -1 when no zero follows.
  int64_t textLength(uint64_t offset) const {
    if (offset >= size) return -1;
    // Below size, a 32-bit count: it fits a size_t on every target.
    auto rest = static_cast<std::size_t>(size - offset);
    const void* zero = std::memchr(bytes + offset, 0, rest);
    return zero == nullptr ? -1 : static_cast<const unsigned char*>(zero) - (bytes + offset);
  }
};

// The end marker is two zero bytes that end the data set exactly.
bool checkEndMarker(const CheckedDataSet& data, uint64_t offset, DataRule rule) {
  if (!data.holds(offset, 2) || data.bytes[offset + 1] != 0) return data.refuse(rule, offset);
  if (offset + 2 != data.size) return data.refuse(DataRule::bytesAfterEnd, offset + 2);
  return true;
}

bool checkKey(const CheckedDataSet& data, uint64_t at, int64_t n) {
  if (n < 0) return data.refuse(DataRule::keyPastEnd, at);
  if (n < shortestKey) return data.refuse(DataRule::keyTooShort, at);
  if (n > longestKey) return data.refuse(DataRule::keyTooLong, at);
  for (int64_t i = 0; i < n; ++i) {
    if (data.bytes[at + i] > keyAlphabetSize) return data.refuse(DataRule::keyCode, at + i);
  }
  return true;
}

bool checkDisplayWord(const CheckedDataSet& data, uint64_t at, int64_t n) {
  uint64_t word = at + displayWordOffset(n);
  int64_t length = data.textLength(word);
  if (length < 0) return data.refuse(DataRule::displayWordPastEnd, word);
  if (length != n) return data.refuse(DataRule::displayWordLength, word);
  for (int64_t i = 0; i < n; ++i) {
    if (keyCodeOfCharacter(data.bytes[word + i]) != data.bytes[at + i]) {
      return data.refuse(DataRule::displayWordCharacter, word + i);
    }
  }
  return true;
}

bool checkPages(const CheckedDataSet& data, uint64_t countAt, int32_t* count) {
  if (!data.holds(countAt, 2)) return data.refuse(DataRule::pageCountPastEnd, countAt);
  *count = data.int16AtOffset(countAt);
  if (*count < 0 || *count > pageLimit) return data.refuse(DataRule::pageCountRange, countAt);
  if (!data.holds(countAt + 2, 2 * static_cast<uint64_t>(*count))) {
    return data.refuse(DataRule::pagesPastEnd, countAt + 2);
  }
  int32_t previous = -1;
  for (int32_t i = 0; i < *count; ++i) {
    uint64_t at = countAt + 2 + 2 * static_cast<uint64_t>(i);
    int32_t page = data.int16AtOffset(at);
    if (page < 0 || page >= pageLimit) return data.refuse(DataRule::pageRange, at);
    if (page <= previous) return data.refuse(DataRule::pagesNotAscending, at);
    previous = page;
  }
  return true;
}

}  // namespace

bool checkWordIndex(const unsigned char* bytes, uint32_t size, DataSetFault* fault) {
  CheckedDataSet data{bytes, size, fault, DataSetKind::wordIndex};
  if (bytes == nullptr) return data.refuse(DataRule::wordIndexMissing, 0);
  uint64_t at = 0;
  const char* previousKey = nullptr;
  while (data.holds(at, 1) && bytes[at] != 0) {
    int64_t n = data.textLength(at);
    if (!checkKey(data, at, n) || !checkDisplayWord(data, at, n)) return false;
    const char* key = reinterpret_cast<const char*>(bytes + at);
    if (previousKey != nullptr && std::strcmp(previousKey, key) >= 0) {
      return data.refuse(DataRule::keyOrder, at);
    }
    int32_t count = 0;
    if (!checkPages(data, at + pageCountOffset(n), &count)) return false;
    previousKey = key;
    at += entrySize<uint64_t>(n, count);
  }
  return checkEndMarker(data, at, DataRule::wordIndexEnd);
}

namespace {

// What the headings before an entry leave for it: the lengths of the titles
// in force, and the level and page of the one just before.
struct HeadingsBefore {
  int64_t chapterLength = 0, sectionLength = 0, subsectionLength = 0;
  int previousLevel = 0;
  int32_t previousPage = 1;
};

bool checkLevel(const CheckedDataSet& data, uint64_t at, int level, HeadingsBefore& before) {
  uint64_t levelAt = at + headingLevelOffset;
  if (level < 1 || level > 3) return data.refuse(DataRule::levelRange, levelAt);
  if (before.previousLevel == 0 && level != 1) {
    return data.refuse(DataRule::firstNotChapter, levelAt);
  }
  if (level == 3 && before.previousLevel == 1) {
    return data.refuse(DataRule::subsectionAfterChapter, levelAt);
  }
  before.previousLevel = level;
  return true;
}

bool checkTitle(const CheckedDataSet& data, uint64_t at, int64_t length) {
  uint64_t title = at + headingTitleOffset;
  if (length < 0) return data.refuse(DataRule::titlePastEnd, title);
  for (int64_t i = 0; i < length; ++i) {
    if (!isTitleCharacter(data.bytes[title + i])) {
      return data.refuse(DataRule::titleCharacter, title + i);
    }
  }
  if (length % 2 == 1) {
    uint64_t fill = at + fillByteOffset(length);
    if (!data.holds(fill, 1) || data.bytes[fill] != 0) return data.refuse(DataRule::fillByte, fill);
  }
  return true;
}

// The titles in force at once must fit one result row.
bool checkTitlesInForce(const CheckedDataSet& data, uint64_t at, int level, int64_t length, HeadingsBefore& before) {
  applyHeading(level, length, before.chapterLength, before.sectionLength, before.subsectionLength);
  if (before.chapterLength + before.sectionLength + before.subsectionLength > longestTrail) {
    return data.refuse(DataRule::trailTooLong, at + headingTitleOffset);
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
  CheckedDataSet data{bytes, size, fault, DataSetKind::headingTable};
  if (bytes == nullptr) return data.refuse(DataRule::headingTableMissing, 0);
  uint64_t at = 0;
  HeadingsBefore before;
  while (data.holds(at, 2) && data.int16AtOffset(at) != 0) {
    int32_t page = data.int16AtOffset(at);
    if (page < before.previousPage) return data.refuse(DataRule::headingPage, at);
    if (!data.holds(at, headingTitleOffset)) return data.refuse(DataRule::headingPastEnd, at);
    int level = headingLevel(bytes + at);
    int64_t length = data.textLength(at + headingTitleOffset);
    if (!checkLevel(data, at, level, before) || !checkTitle(data, at, length)) return false;
    if (!checkTitlesInForce(data, at, level, length, before)) return false;
    before.previousPage = page;
    at += headingSize(length);
  }
  return checkEndMarker(data, at, DataRule::headingTableEnd);
}
