// The tables derived from the installed data sets: the one record of the
// search engine's state beside searchState, distance and distanceText. Each
// table only speeds up a reader; all of them are built when data sets are
// installed and forgotten in one place, so none outlives the bytes it was
// taken from.
#pragma once

#include "index/word_index.h"

// The titles in force and the heading cursor: all that the heading walk
// reads and writes.
struct HeadingPlace {
  const unsigned char* cursor;
  const char* chapter;
  const char* section;
  const char* subsection;
};

struct DerivedTables {
  // The lookup's last marked entry and where its page list ends, which is
  // where the next entry (or the end marker) begins: the lookup's next step
  // starts there without measuring the key again. Costs 16 bytes.
  const WordEntry* lastMarked;
  const unsigned char* afterLastMarked;
  // Where a walk from the first heading stands after each page, for the
  // heading table placesTakenFor: a walk that stands where that walk stood
  // after an earlier page jumps to any later page in one step instead of
  // passing its headings one at a time. Costs 8 + 32 x 1800 = 57 608 bytes.
  const unsigned char* placesTakenFor;
  HeadingPlace placeAfter[pageLimit];
};

extern DerivedTables derivedTables;

// Built from the installed data sets (the bucket table first), and
// forgotten when the data sets change or are rewritten in place.
void buildDerivedTables();
void forgetDerivedTables();

// The heading places for the installed heading table, taken by the result
// rows' own walk.
void takeHeadingPlaces();

// Installed data sets, new or rewritten in place: the bucket table and every
// derived table are built anew from them.
void deriveTables();
