// The derived tables: zero at process start, built from the installed data
// sets and forgotten here only.
#include "search/derived_tables.h"

DerivedTables derivedTables;

namespace {

void forgetDerivedTables() {
  DerivedTables& d = derivedTables;
  d.lastMarked = nullptr;
  d.afterLastMarked = nullptr;
  d.placesTakenFor = nullptr;
  d.runsTakenFor = nullptr;
}

}  // namespace

// The heading places are taken by walking the installed table, which the
// result rows' walk does; what was remembered of older data goes first.
void buildTablesFromData() {
  buildBucketTable();
  forgetDerivedTables();
  takeHeadingPlaces();
  takeThreeCodeRuns();
}
