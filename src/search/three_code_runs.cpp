// The three-code runs of the word index: one forward walk over the sorted
// keys notes where each run of keys with the same first three codes begins.
// Keys of two codes open their bucket and belong to no run.
#include <cassert>

#include "search/derived_tables.h"
#include "search/search_state.h"

namespace {

constexpr uint32_t rows = keyAlphabetSize * keyAlphabetSize;

uint32_t rowOf(int first, int second) {
  return static_cast<uint32_t>((first - 1) * keyAlphabetSize + (second - 1));
}

// Every row up to `row` that has not begun yet begins at `runs`.
void beginRowsUpTo(uint32_t row, uint32_t& nextRow, uint32_t runs) {
  DerivedTables& d = derivedTables;
  for (; nextRow <= row; ++nextRow) d.runsOfBucket[nextRow] = runs;
}

}  // namespace

void takeThreeCodeRuns() {
  const SearchState& s = searchState;
  DerivedTables& d = derivedTables;
  d.runsTakenFor = nullptr;
  if (s.index == nullptr || s.index[0] == 0) return;
  uint32_t runs = 0, nextRow = 0;
  for (const WordEntry* entry = entryAt(s.index); entry != nullptr; entry = nextEntry(entry)) {
    const unsigned char* key = entryBytes(entry);
    if (key[2] == 0) continue;  // a key of two codes
    uint32_t row = rowOf(key[0], key[1]);
    bool rowBegins = row >= nextRow;
    beginRowsUpTo(row, nextRow, runs);
    if (!rowBegins && d.runCode[runs - 1] == key[2]) continue;
    if (runs == DerivedTables::runLimit) {  // this row and those after are walked
      d.rowsCovered = row;
      d.runsTakenFor = s.index;
      return;
    }
    d.runCode[runs] = key[2];
    d.runEntry[runs] = static_cast<uint32_t>(key - s.index);
    ++runs;
  }
  beginRowsUpTo(rows, nextRow, runs);
  d.rowsCovered = rows;
  d.runsTakenFor = s.index;
}

const WordEntry* runOfThreeCodes(int first, int second, int third) {
  const SearchState& s = searchState;
  const DerivedTables& d = derivedTables;
  assert(first >= 1 && first <= keyAlphabetSize && second >= 1 && second <= keyAlphabetSize);
  uint32_t row = rowOf(first, second);
  // Runs taken from other bytes, or none taken, are no guide.
  if (d.runsTakenFor == nullptr || d.runsTakenFor != s.index || row >= d.rowsCovered) {
    return s.buckets[first - 1][second - 1];
  }
  for (uint32_t run = d.runsOfBucket[row]; run < d.runsOfBucket[row + 1]; ++run) {
    if (d.runCode[run] == third) return entryAt(s.index + d.runEntry[run]);
    if (d.runCode[run] > third) break;
  }
  return nullptr;
}
