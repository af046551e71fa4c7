// The three-code runs of the word index: one forward walk over the sorted
// keys notes where each run of keys with the same first three codes begins.
// Keys of two codes open their bucket and belong to no run (nor does a key of
// one code, which no checked index holds).
#include <cassert>

#include "search/derived_tables.h"

namespace {

// Every bucket up to `bucket` that has not begun yet begins at `runs`.
void beginBucketsUpTo(uint32_t bucket, uint32_t& nextBucket, uint32_t runs) {
  DerivedTables& d = derivedTables;
  for (; nextBucket <= bucket; ++nextBucket) d.runsOfBucket[nextBucket] = runs;
}

}  // namespace

void takeThreeCodeRuns() {
  const SearchState& s = searchState;
  DerivedTables& d = derivedTables;
  d.runsTakenFor = nullptr;
  const WordEntry* first = firstEntryOf(s.index);
  if (first == nullptr) return;
  uint32_t runs = 0, nextBucket = 0;
  for (const WordEntry* entry = first; entry != nullptr; entry = nextEntry(entry)) {
    const unsigned char* key = entryBytes(entry);
    if (key[1] == 0 || key[2] == 0) continue;
    auto bucket = static_cast<uint32_t>(bucketNumber(key[0], key[1]));
    bool bucketBegins = bucket >= nextBucket;
    beginBucketsUpTo(bucket, nextBucket, runs);
    if (!bucketBegins && d.runCode[runs - 1] == key[2]) continue;
    if (runs == DerivedTables::runLimit) {  // this bucket and those after are walked
      d.bucketsCovered = bucket;
      d.runsTakenFor = s.index;
      return;
    }
    d.runCode[runs] = key[2];
    d.runEntry[runs] = static_cast<uint32_t>(key - s.index);
    ++runs;
  }
  beginBucketsUpTo(bucketCount, nextBucket, runs);
  d.bucketsCovered = bucketCount;
  d.runsTakenFor = s.index;
}

const WordEntry* runOfThreeCodes(int first, int second, int third) {
  const SearchState& s = searchState;
  const DerivedTables& d = derivedTables;
  auto bucket = static_cast<uint32_t>(bucketNumber(first, second));
  // Runs taken from other bytes, or none taken, are no guide.
  if (d.runsTakenFor == nullptr || d.runsTakenFor != s.index || bucket >= d.bucketsCovered) {
    return bucketNumbered(static_cast<int>(bucket));
  }
  for (uint32_t run = d.runsOfBucket[bucket]; run < d.runsOfBucket[bucket + 1]; ++run) {
    if (d.runCode[run] == third) return entryAt(s.index + d.runEntry[run]);
    if (d.runCode[run] > third) break;
  }
  return nullptr;
}
