// Installing the two data sets: both are checked before the search state
// points at either, so a refused pair leaves it without data; the tables
// derived from the data follow whatever was installed.
#include "search/derived_tables.h"
#include "search/search_state.h"

bool installDataSets(const unsigned char* index, uint32_t indexSize,
                     const unsigned char* headings, uint32_t headingSize,
                     DataSetFault* fault) {
  SearchState& s = searchState;
  bool accepted = checkWordIndex(index, indexSize, fault) &&
                  checkHeadingTable(headings, headingSize, fault);
  s.index = accepted ? index : nullptr;
  s.headings = accepted ? headings : nullptr;
  s.indexSize = accepted ? indexSize : 0;
  s.headingSize = accepted ? headingSize : 0;
  buildTablesFromData();
  return accepted;
}
