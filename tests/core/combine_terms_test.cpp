// The proximity combination. Each case reads: the hit pages of terms 1 to 3
// (empty list = empty term, "failed" = a term that found nothing), the
// distance, and the pages marked.
#include <gtest/gtest.h>

#include <cstring>

#include "search/search_state.h"

namespace {

using Pages = std::vector<int>;
const Pages empty = {};
const Pages failed = {-1};

void setSlot(int slot, const Pages& pages) {
  std::memset(searchState.termPages[slot], 0, pageLimit);
  if (pages == failed) {
    searchState.hitCount[slot] = -1;
    return;
  }
  searchState.hitCount[slot] = static_cast<int32_t>(pages.size());
  for (int page : pages) searchState.termPages[slot][page] = 1;
}

Pages combine(const Pages& a, const Pages& b, const Pages& c, int32_t pageDistance) {
  setSlot(0, a);
  setSlot(1, b);
  setSlot(2, c);
  distance = pageDistance;
  EXPECT_TRUE(combineTerms());
  EXPECT_EQ(searchState.message, nullptr);
  Pages marked;
  for (int page = 0; page < pageLimit; ++page) {
    if (searchState.resultPages[page] != 0) marked.push_back(page);
  }
  return marked;
}

Pages range(int first, int last) {
  Pages pages;
  for (int page = first; page <= last; ++page) pages.push_back(page);
  return pages;
}

Pages join(Pages a, const Pages& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Case {
  Pages a, b, c;
  int32_t distance;
  Pages marked;
};

TEST(CombineTerms, WorkedExamples) {
  const Case cases[] = {
      {{10}, {12}, {11}, 0, {}},
      {{10}, {12}, {11}, 1, {}},
      {{10}, {12}, {11}, 2, range(10, 12)},
      {{10}, {12}, {11}, 5, range(10, 12)},
      {{10, 20}, empty, empty, 0, {10, 20}},
      {{10, 20}, empty, empty, 50, {10, 20}},
      {{10, 11}, empty, empty, 7, {10, 11}},
      {{10}, {13}, empty, 2, {}},
      {{10}, {13}, empty, 3, range(10, 13)},
      {{10}, {13}, empty, 5, range(10, 13)},
      {{10, 14}, {10}, empty, 5, {10}},  // page 14 is never a first hit beside term 2
      {{10, 14}, {14}, empty, 5, range(10, 14)},
      {{10, 14}, {12}, {13}, 5, range(10, 14)},
      {{100, 101}, {101}, {102}, 1, {101, 102}},
      {{5, 30}, {8, 33}, {6, 31}, 3, join(range(5, 8), range(30, 33))},
      {{10}, {109}, empty, 99, range(10, 109)},
      {{10}, {110}, empty, 99, {}},
      {{1797}, {1798}, {1799}, 5, {1797, 1798, 1799}},
      {{10}, {10}, failed, 3, {}},
      {empty, empty, empty, 0, {}},
      {empty, empty, empty, 99, {}},
      {{10}, {10}, {10}, 0, {10}},
      {{10}, {11}, empty, 0, {}},
      {{10}, {10}, empty, -1, {}},       // a negative distance holds no page
      {{10}, {10}, empty, -99, {}},
      {{0}, {1799}, empty, 99, {}},      // windows near the end never reach back to page 0
      {{0}, {99}, empty, 1000, range(0, 99)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(combine(c.a, c.b, c.c, c.distance), c.marked)
        << "distance " << c.distance << ", first hits " << (c.a.empty() ? -2 : c.a[0]);
  }
}

TEST(CombineTerms, EmptySlotIsFilledAndNotAHit) {
  combine({10}, empty, empty, 1);
  EXPECT_EQ(searchState.termPages[1][0], 0xFF);
  EXPECT_EQ(searchState.termPages[2][1799], 0xFF);
}

TEST(CombineTerms, SlotOverTheLimitFailsAndKeepsTheLastResult) {
  Pages before = combine({10}, empty, empty, 1);
  for (int slot : {0, 1, 2}) {
    searchState.hitCount[0] = searchState.hitCount[1] = searchState.hitCount[2] = -1;
    searchState.hitCount[slot] = overLimit;
    EXPECT_FALSE(combineTerms());
    EXPECT_EQ(searchState.message, messageSlotOverLimit);
    EXPECT_EQ(searchState.resultPages[10], 1) << "resultPages is not touched";
  }
  searchState.hitCount[0] = wordLimit;
  searchState.hitCount[1] = searchState.hitCount[2] = 0;
  EXPECT_TRUE(combineTerms()) << "a slot with exactly 100 words takes part";
}

// resultPages is the last field of the record: a write past page 1799 would
// leave the record, which the sanitizer build reports.
TEST(CombineTerms, WindowsAreCutAtTheLastPage) {
  EXPECT_EQ(combine(range(1700, 1799), empty, empty, 99), range(1700, 1799));
  EXPECT_EQ(combine({1799}, {1799}, {1799}, 99), Pages{1799});
}

}  // namespace
