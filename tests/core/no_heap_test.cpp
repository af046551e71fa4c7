// No lookup, combination or result row allocates: every allocation of the
// process is counted while the search engine works on a made-up book.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "search/search_state.h"
#include "test_data.h"

extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);

static long allocations = 0;

extern "C" void* malloc(size_t size) { ++allocations; return __libc_malloc(size); }
extern "C" void* calloc(size_t n, size_t size) { ++allocations; return __libc_calloc(n, size); }
extern "C" void* realloc(void* p, size_t size) { ++allocations; return __libc_realloc(p, size); }

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
  long before = allocations;
  searchEverything();
  EXPECT_EQ(allocations, before);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
