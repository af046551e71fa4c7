// The tables derived from the installed data sets: the one record of the
// search engine's state beside searchState, distance and distanceText. Each
// table only speeds up a reader; all of them are built when data sets are
// installed and forgotten in one place, so none outlives the bytes it was
// taken from.
#pragma once

#include "search/search_state.h"

// Where the result rows' heading walk stands: the heading cursor and the
// titles in force.
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
  // Where each run of keys with the same first three codes begins, bucket by
  // bucket of the bucket table: the runs of the keys that begin with codes
  // a, b are runCode/runEntry[runsOfBucket[n]] up to runsOfBucket[n + 1],
  // n = bucketNumber(a, b), ascending by third code, each with its first
  // entry's offset in the word index. A prefix lookup of three codes or more
  // enters at its run, instead of walking the whole two-code bucket up to it
  // (206 entries before "motor"), and knows at once when there is none. A
  // word index with more runs than runLimit keeps the runs of the buckets
  // below bucketsCovered; a lookup in any other walks from its bucket. Costs
  // 8 + 4 + 4 x 1850 + 5 x 16 384 = 89 332 bytes.
  static constexpr uint32_t runLimit = 16384;
  const unsigned char* runsTakenFor;
  uint32_t bucketsCovered;
  uint32_t runsOfBucket[bucketCount + 1];
  uint8_t runCode[runLimit];
  uint32_t runEntry[runLimit];
};

extern DerivedTables derivedTables;

// The installed data sets, new or rewritten in place: the bucket table and
// every derived table are built anew from them, and nothing taken from
// earlier bytes is kept.
void buildTablesFromData();

// The heading places for the installed heading table, taken by the result
// rows' own walk.
void takeHeadingPlaces();

// The three-code runs of the installed word index, and the entry a prefix
// lookup of three codes or more starts its walk at: the first of the term's
// run, null when the index has no such run, the two-code bucket where the
// runs were not taken.
void takeThreeCodeRuns();
const WordEntry* runOfThreeCodes(int first, int second, int third);
