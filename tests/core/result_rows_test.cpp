// Result rows with their heading trail, on the made-up table: 40 chapter 2,
// 47 section 2.3 and subsection 2.3.1, 52 subsection 2.3.2, 60 chapter 3.
#include <gtest/gtest.h>

#include <cstring>

#include "search/derived_tables.h"
#include "search/search_state.h"
#include "test_data.h"

namespace {

const std::vector<ProducerHeading> exampleHeadings = {
    {40, 1, "2. Beispielkapitel"},
    {47, 2, "2.3 Beispielabschnitt"},
    {47, 3, "2.3.1 Beispielunterabschnitt"},
    {52, 3, "2.3.2 Zweiter Unterabschnitt"},
    {60, 1, "3. Folgekapitel"},
};

std::vector<std::string> rows(const std::vector<std::pair<int, int>>& runs) {
  std::memset(searchState.resultPages, 0, pageLimit);
  for (auto [first, last] : runs) std::memset(searchState.resultPages + first, 1, last - first + 1);
  resetResultRows();
  std::vector<std::string> lines;
  while (nextResultRow()) lines.emplace_back(searchState.lineText);
  return lines;
}

TEST(ResultRows, ExampleTable) {
  installBook({{"ab", {1}}}, exampleHeadings);
  const std::string chapter = "2. Beispielkapitel";
  const std::string section = chapter + " --- 2.3 Beispielabschnitt";
  EXPECT_EQ(rows({{12, 12}, {40, 41}, {47, 47}, {50, 53}, {58, 61}, {1799, 1799}}),
            (std::vector<std::string>{
                "12\t",
                "40 - 41\t" + chapter,
                "47\t" + section + " --- 2.3.1 Beispielunterabschnitt",
                "50 - 53\t" + section + " --- 2.3.1 Beispielunterabschnitt",
                "58 - 61\t" + section + " --- 2.3.2 Zweiter Unterabschnitt",
                "1799\t3. Folgekapitel",
            }));
}

TEST(ResultRows, TouchingRangesAreOneRow) {
  installBook({{"ab", {1}}}, exampleHeadings);
  EXPECT_EQ(rows({{5, 8}, {9, 12}}), std::vector<std::string>{"5 - 12\t"});
  EXPECT_EQ(rows({{1700, 1799}}), std::vector<std::string>{"1700 - 1799\t3. Folgekapitel"});
  EXPECT_EQ(searchState.resumePage, 1800);
  EXPECT_FALSE(nextResultRow()) << "an exhausted listing stays exhausted";
}

TEST(ResultRows, NoMarkedPageLeavesTheLineAlone) {
  installBook({{"ab", {1}}}, exampleHeadings);
  std::strcpy(searchState.lineText, "unchanged");
  EXPECT_TRUE(rows({}).empty());
  EXPECT_STREQ(searchState.lineText, "unchanged");
  EXPECT_EQ(searchState.resumePage, 0);
}

TEST(ResultRows, TrailFollowsTheLevels) {
  installBook({{"ab", {1}}}, {{10, 1, "1. A"}, {10, 2, "1.1 B"}, {20, 1, "2. C"}, {20, 2, "2.1 D"},
                              {20, 3, "2.1.1 E"}, {30, 2, "2.2 F"}, {40, 1, "3. G"}});
  EXPECT_EQ(rows({{10, 10}, {20, 20}, {30, 30}, {40, 40}}),
            (std::vector<std::string>{"10\t1. A --- 1.1 B", "20\t2. C --- 2.1 D --- 2.1.1 E",
                                      "30\t2. C --- 2.2 F", "40\t3. G"}));
}

// Heading tables that break the order of levels never pass the load check,
// so their walk is tried here on raw bytes.
TEST(ResultRows, UncheckedLevelsAreStillWalkedSafely) {
  static const unsigned char table[] = {
      5, 0, 3, 'x', 0, 0,            // a subsection before any chapter: recorded, never shown
      6, 0, 9, 'y', 'y', 0,          // an unknown level: stepped over
      7, 0, 1, 'C', 'h', 0,          // chapter
      8, 0, 3, 'S', 0, 0,            // a subsection without a section: not shown
      0, 0};
  searchState.headings = table;
  EXPECT_EQ(rows({{5, 5}, {7, 7}, {9, 9}}), (std::vector<std::string>{"5\t", "7\tCh", "9\tCh"}));
}

TEST(ResultRows, EmptyHeadingTableGivesPagesOnly) {
  installBook({{"ab", {1}}}, {});
  EXPECT_EQ(rows({{3, 4}}), std::vector<std::string>{"3 - 4\t"});
}

// Data sets rewritten in place and the bucket table built again, as a test
// or a reader of new data may do: rows follow the new headings, not places
// taken from the old ones at the same address.
TEST(ResultRows, HeadingsRewrittenInPlaceAreWalkedAnew) {
  std::vector<unsigned char> index, headings, rewritten;
  ProducerError error;
  ASSERT_TRUE(produceWordIndex({{"ab", {1}}}, index, error));
  ASSERT_TRUE(produceHeadingTable({{10, 1, "1. A"}, {20, 1, "2. B"}}, headings, error));
  ASSERT_TRUE(produceHeadingTable({{10, 1, "1. A"}, {30, 1, "2. B"}}, rewritten, error));
  ASSERT_EQ(headings.size(), rewritten.size());
  DataSetFault fault{};
  ASSERT_TRUE(installDataSets(index.data(), static_cast<uint32_t>(index.size()), headings.data(),
                              static_cast<uint32_t>(headings.size()), &fault));
  EXPECT_EQ(rows({{25, 25}}), std::vector<std::string>{"25\t2. B"});
  std::memcpy(headings.data(), rewritten.data(), headings.size());
  buildTablesFromData();
  EXPECT_EQ(rows({{25, 25}}), std::vector<std::string>{"25\t1. A"});
}

}  // namespace
