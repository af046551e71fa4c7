// The one search state record and the search engine that works on it:
// term normalisation, term lookup with page marking, the proximity
// combination and the result rows.
#pragma once

#include <cstdint>

#include "index/word_index.h"

constexpr int termSlots = 3;
#define QUIREL_WORD_LIMIT 100   // matching words a term may take
#define QUIREL_PAGES_SHOWN 20   // pages a word line lists; beyond, it shows the count
constexpr int wordLimit = QUIREL_WORD_LIMIT;
constexpr uint32_t pagesShown = QUIREL_PAGES_SHOWN;
constexpr int overLimit = wordLimit + 1;  // hitCount of a term with too many words
constexpr uint32_t textSize = 1000;       // termText and lineText, NUL included

struct SearchState {
  char termText[textSize];      // the term being looked up: typed text, then its key codes in place
  char lineText[textSize];      // the word-list line or result row being made
  const char* message;          // the last lookup's or combination's bracketed message, or null
  uint8_t wildcard;             // the term began with '*': a substring search
  uint32_t termLength;          // the term's length without the '*'
  uint32_t indexSize;           // the installed data sets' sizes, 0 when none
  uint32_t headingSize;
  int32_t resumePage;           // where the next result row's search begins
  const unsigned char* index;   // the installed word index, or null
  const unsigned char* headings;  // the installed heading table, or null
  // The result rows' walk through the heading table: the next heading
  // entry not yet applied, and the titles in force (null where none), all
  // pointing into the table.
  const unsigned char* headingCursor;
  const char* chapter;
  const char* section;
  const char* subsection;
  // The bucket table: row first code - 1, column second code - 1; the first
  // entry whose key begins with the two codes, or null.
  const WordEntry* buckets[keyAlphabetSize][keyAlphabetSize];
  // Per term slot: 0 for an empty term, 1..wordLimit words taken, overLimit
  // when the lookup stopped at the limit, -1 when refused or nothing found.
  int32_t hitCount[termSlots];
  // Per term slot, its page map: 1 on a taken word's page, else 0; the
  // combination fills an empty slot's map with emptySlotFill.
  unsigned char termPages[termSlots][pageLimit];
  unsigned char resultPages[pageLimit];  // 1 on a page of a result range, else 0
};

extern SearchState searchState;

// A bucket by its number (bucketNumber: row by row).
inline const WordEntry*& bucketNumbered(int number) {
  return searchState.buckets[number / keyAlphabetSize][number % keyAlphabetSize];
}
extern int32_t distance;         // the pages within which the terms must meet
extern char distanceText[4];     // the distance field's text

// The fixed bracketed messages (cp1252) that `message` points at.
extern const char messageStarTooShort[];
extern const char messageInvalidSymbol[];
extern const char messageNotFound[];
extern const char messageTooManyWords[];
extern const char messageSlotOverLimit[];

// Term normalisation: cp1252 text to key codes, in place.
bool normaliseTerm(char* text);

// Term lookup: findFirstMatch once, then findNextMatch until null.
const WordEntry* findFirstMatch(int slot);
const WordEntry* findNextMatch(int slot, const WordEntry* previous);
const WordEntry* findSubstringMatch(const WordEntry* start, const char* term, uint32_t length);

// The entry of a word list's display word (cp1252), found exactly and read
// only: no page marked, nothing written. Null when the index holds none.
const WordEntry* entryOfDisplayWord(const char* displayWord);
// Whether an entry's page list holds `page`.
bool entryHasPage(const WordEntry* entry, int32_t page);

// Proximity combination of the three slots' page maps into resultPages.
bool combineTerms();

// A line in lineText or termText built piece by piece: each call takes the
// length so far and gives the new one, cutting what does not fit.
uint32_t appendText(char* line, uint32_t used, const char* text);
uint32_t appendDecimal(char* line, uint32_t used, int32_t value);

// A word list's line for one entry into lineText: the display word and its
// pages, each after ", ", or ", [n Seiten]" for more than 20.
void formatWordLine(const WordEntry* entry);

// Points the search state at two data sets after checking them, and builds the
// bucket table and the derived tables. A refused pair leaves the search state
// without data.
bool installDataSets(const unsigned char* index, uint32_t indexSize,
                     const unsigned char* headings, uint32_t headingSize,
                     DataSetFault* fault);

// Result rows: reset the iteration, then nextResultRow until false.
void resetResultRows();
bool nextResultRow();
