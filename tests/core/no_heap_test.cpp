// No lookup, combination or result row allocates: every allocation of the
// process is counted while the search engine works on a made-up book.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "allocation_counter.h"
#include "search/search_state.h"
#include "test_data.h"

namespace {

void searchEverything() {
  const char* terms[] = {"kurbel", "k", "*welle", "*", "x y", "nothing", "", "wa"};
  for (int slot = 0; slot < termSlots; ++slot) {
    for (const char* term : terms) {
      std::strcpy(searchState.termText, term);
      for (const WordEntry* e = findFirstMatch(slot); e != nullptr; e = findNextMatch(slot, e)) {
      }
    }
  }
  for (int32_t d : {0, 1, 99}) {
    distance = d;
    if (!combineTerms()) continue;
    resetResultRows();
    while (nextResultRow()) {
    }
  }
}

TEST(NoHeap, SearchingAllocatesNothing) {
  installBook(nineWords(), {{1, 1, "1. Kapitel"}, {4, 2, "1.1 Abschnitt"}});
  searchEverything();  // warm-up: the C library may set itself up once
  long before = allocationCount();
  searchEverything();
  EXPECT_EQ(allocationCount(), before);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
