// Result rows read the same with the heading places taken at install time as
// with the plain walk over every heading: the same heading table, copied to
// another place, is walked heading by heading, since its places were never
// taken. Listings are also continued without a reset, from any state.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "random_book.h"
#include "search/search_state.h"

namespace {

// The rows from the current iteration state on, as text, without resetting;
// at most `most` of them.
std::vector<std::string> listOn(size_t most = pageLimit) {
  std::vector<std::string> rows;
  while (rows.size() < most && nextResultRow()) rows.emplace_back(searchState.lineText);
  return rows;
}

// Marks random runs: single pages, short runs, long ones, and the edges.
void markRandomRuns(std::mt19937& random) {
  std::memset(searchState.resultPages, 0, pageLimit);
  int runs = static_cast<int>(random() % 40);
  for (int i = 0; i < runs; ++i) {
    int first = static_cast<int>(random() % pageLimit);
    int length = random() % 4 == 0 ? static_cast<int>(random() % 200) : static_cast<int>(random() % 3);
    for (int page = first; page <= first + length && page < pageLimit; ++page) searchState.resultPages[page] = 1;
  }
  if (random() % 5 == 0) searchState.resultPages[0] = 1;
  if (random() % 5 == 0) searchState.resultPages[pageLimit - 1] = 1;
}

// The same listing, from the same start, over the installed table and over
// a copy of it; titles are compared by their text.
void expectSameListing(const std::vector<unsigned char>& copy, int32_t startPage) {
  SearchState& s = searchState;
  const unsigned char* installed = s.headings;
  resetResultRows();
  s.resumePage = startPage;
  std::vector<std::string> jumped = listOn();
  s.headings = copy.data();
  resetResultRows();
  s.resumePage = startPage;
  std::vector<std::string> walked = listOn();
  s.headings = installed;
  ASSERT_EQ(jumped, walked) << "from page " << startPage;
}

TEST(RowsEquivalence, BuiltInBookRandomRuns) {
  if (!installBuiltInBook()) GTEST_SKIP() << "no built-in book";
  std::vector<unsigned char> copy(searchState.headings, searchState.headings + searchState.headingSize);
  std::mt19937 random(1321);
  for (int round = 0; round < 3000; ++round) {
    markRandomRuns(random);
    int32_t start = round % 3 == 0 ? static_cast<int32_t>(random() % pageLimit) : 0;
    expectSameListing(copy, start);
  }
}

// A listing that goes on after the previous one without a reset keeps the
// trail of the previous one, jumps or no jumps; so do titles set by hand.
TEST(RowsEquivalence, ListingsContinuedWithoutReset) {
  if (!installBuiltInBook()) GTEST_SKIP() << "no built-in book";
  SearchState& s = searchState;
  std::vector<unsigned char> copy(s.headings, s.headings + s.headingSize);
  const unsigned char* installed = s.headings;
  std::mt19937 random(47);
  for (int round = 0; round < 500; ++round) {
    markRandomRuns(random);
    auto start = static_cast<int32_t>(random() % pageLimit);
    auto again = static_cast<int32_t>(random() % pageLimit);
    size_t firstRows = random() % 4;
    std::vector<std::string> rows[2];
    for (int pass = 0; pass < 2; ++pass) {
      s.headings = pass == 0 ? installed : copy.data();
      resetResultRows();
      s.resumePage = start;
      rows[pass] = listOn(firstRows);
      s.resumePage = again;  // back or on to another page, cursor and titles as they are
      if (round % 2 == 1) {
        // Titles no walk from the first heading would leave beside this cursor.
        s.chapter = "Fremdes Kapitel";
        s.section = round % 4 == 1 ? "Fremder Abschnitt" : nullptr;
      }
      for (const std::string& row : listOn()) rows[pass].push_back(row);
    }
    s.headings = installed;
    ASSERT_EQ(rows[0], rows[1]) << "round " << round;
  }
}

}  // namespace
