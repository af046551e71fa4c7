// The proximity combination agrees with the window-by-window scan on every
// byte of the search state: the marked pages, the fill of empty slots, the
// message, and resultPages left as it was when the combination fails.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <vector>

#include "literal_search.h"

namespace {

struct Outcome {
  bool result;
  SearchState state;
};

// Runs one combination from the current state and restores that state.
Outcome run(bool (*combine)()) {
  static SearchState before;
  before = searchState;
  Outcome outcome{combine(), searchState};
  searchState = before;
  return outcome;
}

::testing::AssertionResult agree() {
  static Outcome expected, found;
  expected = run(literalCombineTerms);
  found = run(combineTerms);
  if (expected.result != found.result) return ::testing::AssertionFailure() << "results differ";
  if (std::memcmp(&expected.state, &found.state, sizeof(SearchState)) != 0) {
    for (int page = 0; page < pageLimit; ++page) {
      if (expected.state.resultPages[page] != found.state.resultPages[page]) {
        return ::testing::AssertionFailure() << "resultPages differ first at page " << page;
      }
    }
    return ::testing::AssertionFailure() << "search states differ";
  }
  return ::testing::AssertionSuccess();
}

// A map of the given density; now and then a byte that is present but no
// hit, or any other value, as only a damaged map would hold.
void fillMap(std::mt19937& random, unsigned char* map, double density, bool oddBytes) {
  std::bernoulli_distribution take(density);
  for (int page = 0; page < pageLimit; ++page) {
    unsigned char byte = take(random) ? 1 : 0;
    if (oddBytes && byte != 0 && random() % 5 == 0) byte = static_cast<unsigned char>(random());
    map[page] = byte;
  }
}

int32_t randomHitCount(std::mt19937& random) {
  static const int32_t odd[] = {0, -1, 101, 102, INT32_MAX, INT32_MIN, -2, 100, 1};
  switch (random() % 6) {
    case 0: return 0;
    case 1: return -1;
    case 2: return odd[random() % (sizeof odd / sizeof odd[0])];
    default: return 1 + static_cast<int32_t>(random() % 100);
  }
}

int32_t randomDistance(std::mt19937& random) {
  static const int32_t odd[] = {0,   1,    2,    63,   64,        65,        99,       127,  128,  191,
                                254, 255,  -1,   -99,  1798,      1799,      1800,     INT32_MAX,
                                INT32_MIN, INT32_MAX - 1};
  if (random() % 3 == 0) return odd[random() % (sizeof odd / sizeof odd[0])];
  return static_cast<int32_t>(random() % 120) - 5;
}

TEST(CombineEquivalence, RandomMapsDistancesAndSlotStates) {
  static const double densities[] = {0.0, 0.0005, 0.003, 0.02, 0.1, 0.5, 0.9, 1.0};
  std::mt19937 random(1807);
  for (int round = 0; round < 4000; ++round) {
    bool oddBytes = round % 4 == 0;
    for (int slot = 0; slot < termSlots; ++slot) {
      searchState.hitCount[slot] = randomHitCount(random);
      double density = densities[random() % (sizeof densities / sizeof densities[0])];
      fillMap(random, searchState.termPages[slot], density, oddBytes);
      if (searchState.hitCount[slot] == 0 && random() % 2 == 0) {
        std::memset(searchState.termPages[slot], 0xFF, pageLimit);  // left by an earlier fill
      }
    }
    fillMap(random, searchState.resultPages, 0.3, true);
    searchState.message = messageNotFound;
    distance = randomDistance(random);
    ASSERT_TRUE(agree()) << "round " << round << ", distance " << distance;
  }
}

struct EdgeCase {
  std::vector<int> a, b, c;  // hit pages; {-1} an empty slot, {} a failed one
  int32_t distance;
};

void setSlot(int slot, const std::vector<int>& pages) {
  std::memset(searchState.termPages[slot], 0, pageLimit);
  bool empty = pages.size() == 1 && pages[0] == -1;
  searchState.hitCount[slot] = empty ? 0 : pages.empty() ? -1 : static_cast<int32_t>(pages.size());
  if (empty) return;
  for (int page : pages) searchState.termPages[slot][page] = 1;
}

TEST(CombineEquivalence, EdgesOfTheMap) {
  const std::vector<int> none = {-1};
  const EdgeCase cases[] = {
      {{1799}, none, none, 0},        {{1799}, {1799}, {1799}, 0},   {{0}, {1799}, none, 99},
      {{0}, {1799}, none, 1799},      {{0}, {1799}, none, 1800},     {{0}, {1799}, none, INT32_MAX},
      {{1700}, {1799}, none, 99},     {{1700}, {1799}, none, 98},    {{1797}, {1798}, {1799}, 5},
      {{0, 1799}, {1}, {1798}, 1},    {{5}, {5}, {5}, -1},           {{5}, {5}, {5}, INT32_MIN},
      {none, none, none, 0},          {none, none, none, INT32_MAX}, {{10}, {10}, {}, 3},
      {{0, 1, 2, 3}, {3}, none, 2},   {{1799}, none, {1790}, 8},     {{1799}, none, {1790}, 9},
  };
  for (const EdgeCase& c : cases) {
    setSlot(0, c.a);
    setSlot(1, c.b);
    setSlot(2, c.c);
    distance = c.distance;
    EXPECT_TRUE(agree()) << "distance " << c.distance;
  }
}

TEST(CombineEquivalence, EveryPageHitInEverySlot) {
  for (int32_t d : {0, 1, 50, 99, 1799}) {
    for (int slot = 0; slot < termSlots; ++slot) {
      searchState.hitCount[slot] = 100;
      std::memset(searchState.termPages[slot], 1, pageLimit);
    }
    distance = d;
    EXPECT_TRUE(agree()) << "distance " << d;
  }
}

}  // namespace
