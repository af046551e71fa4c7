// The two built-in data sets: the word index and the heading table.
//
// Word index: a run of variable-length word entries in ascending key order,
// closed by a zero byte where the next key would begin. One entry, for a key
// of n codes and c pages:
//   key (n bytes, codes 1..43), 0, displayWord (n cp1252 bytes), 0,
//   pageCount (int16 LE), pages (c x int16 LE)
// Heading table: entries of page (int16 LE), level (int8), title, 0, and one
// fill byte when the title's length is odd; closed by a page of 0.
#pragma once

#include <cassert>
#include <cstdint>

// A word entry is handled as a pointer to its first byte, but its type is
// not a byte: `entry + 1` does not compile, so a step between entries is
// always nextEntry, and byte arithmetic inside one goes through entryBytes.
struct WordEntry;
inline const unsigned char* entryBytes(const WordEntry* entry) {
  return reinterpret_cast<const unsigned char*>(entry);
}
inline const WordEntry* entryAt(const unsigned char* bytes) {
  return reinterpret_cast<const WordEntry*>(bytes);
}
// The key codes, as the zero-terminated text they are stored as.
inline const char* keyOf(const WordEntry* entry) { return reinterpret_cast<const char*>(entry); }

// The two data sets.
enum class DataSetKind { wordIndex, headingTable };
// A data set's bytes; null and 0 where there are none.
struct DataSetBytes {
  const unsigned char* bytes;
  uint32_t size;
};

// The formats' limits. Messages quote them, so each is also a macro that
// QUIREL_NUMBER spells inside a text; nothing else uses the macros.
#define QUIREL_SPELL(number) #number
#define QUIREL_NUMBER(limit) QUIREL_SPELL(limit)
#define QUIREL_KEY_ALPHABET_SIZE 43
#define QUIREL_PAGE_LIMIT 1800
#define QUIREL_LAST_PAGE 1799
#define QUIREL_SHORTEST_KEY 2
#define QUIREL_LONGEST_KEY 879
#define QUIREL_LONGEST_TRAIL 977
constexpr int keyAlphabetSize = QUIREL_KEY_ALPHABET_SIZE;
constexpr int pageLimit = QUIREL_PAGE_LIMIT;                 // pages 0..lastPage
constexpr int lastPage = QUIREL_LAST_PAGE;                   // the formats' last page, 1799
static_assert(lastPage == pageLimit - 1);
constexpr uint32_t shortestKey = QUIREL_SHORTEST_KEY;        // a one-code key could never be found
constexpr uint32_t longestKey = QUIREL_LONGEST_KEY;          // longest word line must fit lineText
constexpr uint32_t longestTrail = QUIREL_LONGEST_TRAIL;      // titles in force at once, see result rows

// Walking one word entry; every reader finds its fields from the key length.
uint32_t keyLength(const WordEntry* entry);
const char* displayWordOf(const WordEntry* entry);
int16_t pageCountOf(const WordEntry* entry);
int16_t pageOf(const WordEntry* entry, int32_t i);
const WordEntry* nextEntry(const WordEntry* entry);
const unsigned char* pagesOf(const WordEntry* entry);
const WordEntry* entryAfter(const WordEntry* entry, uint32_t keyLen);

// Where a word entry's fields stand, from its key length: the layout above,
// written once for the readers and the checks.
template <typename Length> constexpr Length displayWordOffset(Length keyLen) { return keyLen + 1; }
template <typename Length> constexpr Length pageCountOffset(Length keyLen) { return 2 * keyLen + 2; }
template <typename Length> constexpr Length pagesOffset(Length keyLen) { return 2 * keyLen + 4; }
template <typename Length> constexpr Length entrySize(Length keyLen, Length pageCount) {
  return pagesOffset(keyLen) + 2 * pageCount;
}

// 16-bit fields stand on even addresses only when the data set does, so
// they are assembled byte by byte (compilers make one load of it).
inline uint16_t uint16At(const unsigned char* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }
inline int16_t int16At(const unsigned char* at) { return static_cast<int16_t>(uint16At(at)); }

// Page i of a page list; a whole list is read with one measure of its key.
inline int16_t pageIn(const unsigned char* pages, int32_t i) { return int16At(pages + 2 * i); }
// The page count stands just before the pages.
inline int32_t pageCountBefore(const unsigned char* pages) { return int16At(pages - 2); }

// A word entry ends where its page list ends, and there the next entry, or
// the end marker, begins: a zero byte where a key would begin.
inline const unsigned char* pagesEnd(const unsigned char* pages, int32_t pageCount) {
  return pages + 2 * pageCount;
}
inline const unsigned char* entryEnd(const WordEntry* entry, uint32_t keyLen) {
  const unsigned char* pages = entryBytes(entry) + pagesOffset(keyLen);
  return pagesEnd(pages, pageCountBefore(pages));
}
inline const WordEntry* entryOrEnd(const unsigned char* bytes) { return *bytes == 0 ? nullptr : entryAt(bytes); }

// A word index's first entry: null when there is no index, and when the
// index is the end marker alone.
inline const WordEntry* firstEntryOf(const unsigned char* wordIndex) {
  return wordIndex == nullptr ? nullptr : entryOrEnd(wordIndex);
}

// Walking one heading entry.
int16_t headingPage(const unsigned char* heading);
int8_t headingLevel(const unsigned char* heading);
const char* headingTitle(const unsigned char* heading);
const unsigned char* nextHeading(const unsigned char* heading);

// Where a heading entry's fields stand, from its title's length: the layout
// above, written once for the readers, the checks and the producer. The
// fill byte keeps every entry even.
constexpr uint32_t headingLevelOffset = 2;
constexpr uint32_t headingTitleOffset = 3;
template <typename Length> constexpr Length fillByteOffset(Length titleLength) {
  return headingTitleOffset + titleLength + 1;
}
template <typename Length> constexpr Length headingSize(Length titleLength) {
  return fillByteOffset(titleLength) + titleLength % 2;
}

// The titles in force: a chapter's heading (level 1) makes its title the
// chapter and clears the section and the subsection, a section's (2) makes
// it the section and clears the subsection, a subsection's (3) makes it the
// subsection; any other level changes nothing. A title is what its reader
// keeps of it (a pointer into the table, or its length); a cleared one is
// Title{}.
template <typename Title>
void applyHeading(int level, Title title, Title& chapter, Title& section, Title& subsection) {
  switch (level) {
    case 1: chapter = title; section = subsection = Title{}; break;
    case 2: section = title; subsection = Title{}; break;
    case 3: subsection = title; break;
    default: break;
  }
}

// The key alphabet: capitals fold to their small letter, and a folded
// symbol's key code is its 1-based place in the alphabet (0 for none).
unsigned char foldCase(unsigned char c);
int keyCodeOf(unsigned char symbol);
// The key code a typed or displayed character stands for: folded, then
// looked up; 0 for none.
int keyCodeOfCharacter(unsigned char c);
// The symbol of a key code 1..keyAlphabetSize.
unsigned char keySymbolOf(int code);

// A character a heading title may hold: printable cp1252, no tab.
bool isTitleCharacter(unsigned char c);

// The bucket table leads from the first two key codes to the first word
// entry that begins with them: a bucket for each pair, numbered row by row,
// a row for each first code; in that order the buckets follow the index.
constexpr int bucketCount = keyAlphabetSize * keyAlphabetSize;
inline int bucketNumber(int first, int second) {
  assert(first >= 1 && first <= keyAlphabetSize && second >= 1 && second <= keyAlphabetSize);
  return (first - 1) * keyAlphabetSize + (second - 1);
}
void buildBucketTable();

// The rules of the two formats, one way of breaking each. The program, the
// script driver and the data tool all show a broken rule by its one German
// sentence (cp1252).
enum class DataRule : uint8_t {
  wordIndexMissing, keyPastEnd, keyTooShort, keyTooLong, keyCode,
  displayWordPastEnd, displayWordLength, displayWordCharacter, keyOrder,
  pageCountPastEnd, pageCountRange, pagesPastEnd, pageRange, pagesNotAscending,
  wordIndexEnd, bytesAfterEnd,
  headingTableMissing, headingPastEnd, headingPage, levelRange, firstNotChapter,
  subsectionAfterChapter, titlePastEnd, titleCharacter, fillByte, trailTooLong,
  headingTableEnd,
};
const char* dataRuleText(DataRule rule);

// Load-time checks of every rule of the two formats. Each walk is bounded by
// the recorded size; on a violation the fault names the rule and the offset.
struct DataSetFault {
  DataRule rule;      // the broken rule
  uint32_t offset;    // byte offset in the data set where it was found
  DataSetKind dataSet;
};
bool checkWordIndex(const unsigned char* bytes, uint32_t size, DataSetFault* fault);
bool checkHeadingTable(const unsigned char* bytes, uint32_t size, DataSetFault* fault);
