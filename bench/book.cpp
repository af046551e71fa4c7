#include "search/search_state.h"
#include "book.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "app/load_index_data.h"
#include "dialog/search_dialog.h"

DataSet builtInDataSet(int resourceId) {
  DataSetBytes found = findEmbeddedDataSet(GetModuleHandleA(nullptr), resourceId);
  return {found.bytes, found.size};
}

void installBuiltInBook() {
  DataSet index = builtInDataSet(wordIndexResourceId), headings = builtInDataSet(headingTableResourceId);
  DataSetFault fault{};
  if (!installDataSets(index.bytes, index.size, headings.bytes, headings.size, &fault)) {
    std::fprintf(stderr, "built-in book refused at offset %u: %s\n", fault.offset, dataRuleText(fault.rule));
    std::exit(1);
  }
}

int lookUpToEnd(int slot, const char* term, bool formatted) {
  std::strcpy(searchState.termText, term);
  int words = 0;
  for (const WordEntry* e = findFirstMatch(slot); e != nullptr; e = findNextMatch(slot, e)) {
    if (formatted) formatWordLine(e);
    ++words;
  }
  return words;
}

// The book's pages run from 1 to a little over 1300.
void fillSlotsWith(Density density) {
  constexpr int bookPages = 1330;
  std::mt19937 random(density == Density::dense ? 99 : 7);
  for (int slot = 0; slot < termSlots; ++slot) {
    unsigned char* map = searchState.termPages[slot];
    std::memset(map, 0, pageLimit);
    int hits = 0;
    for (int page = 1; page < bookPages; ++page) {
      bool hit = density == Density::dense ? random() % 5 != 0 : random() % 40 == 0;
      map[page] = hit ? 1 : 0;
      hits += hit;
    }
    searchState.hitCount[slot] = hits > 0 ? wordLimit : -1;  // a term within the limit
  }
}
