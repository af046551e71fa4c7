// A pair refused at load never reaches the readers. (Each rule of the two
// formats is tested, beside the plain reading of the formats, in the
// hostile data tests.)
#include <gtest/gtest.h>

#include "search/search_state.h"
#include "test_data.h"

namespace {

TEST(DataCheck, RefusedDataSetsNeverReachTheReaders) {
  const unsigned char unclosedIndex[] = {3, 5, 0, 'a', 'b', 0, 1, 0, 1, 0};
  const unsigned char emptyTable[] = {0, 0};
  DataSetFault fault{};
  EXPECT_FALSE(installDataSets(unclosedIndex, sizeof unclosedIndex, emptyTable, sizeof emptyTable, &fault));
  EXPECT_EQ(fault.rule, DataRule::wordIndexEnd);
  EXPECT_EQ(searchState.index, nullptr);
  EXPECT_EQ(searchState.headings, nullptr);
  EXPECT_EQ(searchState.buckets[2][4], nullptr);
  EXPECT_FALSE(installDataSets(nullptr, 0, emptyTable, 2, &fault));
  EXPECT_EQ(fault.rule, DataRule::wordIndexMissing);
}

}  // namespace
