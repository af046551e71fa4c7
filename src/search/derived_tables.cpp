// The derived tables: zero at process start, built from the installed data
// sets and forgotten here only.
#include "search/derived_tables.h"

#include "search/search_state.h"

DerivedTables derivedTables;

void forgetDerivedTables() {
  DerivedTables& d = derivedTables;
  d.lastMarked = nullptr;
  d.afterLastMarked = nullptr;
  d.placesTakenFor = nullptr;
  d.runsTakenFor = nullptr;
}

// The heading places are taken by walking the installed table, which the
// result rows' walk does; what was remembered of older data goes first.
void buildDerivedTables() {
  forgetDerivedTables();
  takeHeadingPlaces();
  takeThreeCodeRuns();
}

void deriveTables() {
  buildBucketTable();
  buildDerivedTables();
}
