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
  char termText[textSize];
  char lineText[textSize];
  const char* message;
  uint8_t wildcard;
  uint32_t termLength;
  uint32_t indexSize;
  uint32_t headingSize;
  int32_t lastCompare;
  int32_t resumePage;
  const unsigned char* index;
  const unsigned char* headings;
  const unsigned char* headingCursor;
  const char* chapter;
  const char* section;
  const char* subsection;
  const WordEntry* buckets[keyAlphabetSize][keyAlphabetSize];
  int32_t hitCount[termSlots];
  unsigned char termPages[termSlots][pageLimit];
  unsigned char resultPages[pageLimit];
};

extern SearchState searchState;
extern int32_t distance;
extern char distanceText[4];

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
