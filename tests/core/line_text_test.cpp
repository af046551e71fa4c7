// Lines built piece by piece read exactly as the C library's bounded
// printing would write them, up to the cut at the end of the buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "search/search_state.h"

namespace {

TEST(LineText, DecimalsAsPrintfWritesThem) {
  char line[textSize], expected[textSize];
  for (int32_t value : {INT32_MIN, INT32_MIN + 1, -32769, INT32_MAX, 1000000000}) {
    appendDecimal(line, 0, value);
    std::snprintf(expected, sizeof expected, "%d", static_cast<int>(value));
    EXPECT_STREQ(line, expected);
  }
  for (int32_t value = INT16_MIN; value <= INT16_MAX; ++value) {
    uint32_t used = appendDecimal(line, appendText(line, 0, ", "), value);
    std::snprintf(expected, sizeof expected, ", %d", static_cast<int>(value));
    ASSERT_STREQ(line, expected);
    ASSERT_EQ(used, std::string(expected).size());
  }
}

// Near the end of the buffer each piece is cut where the NUL must stand,
// and a full line takes nothing more.
TEST(LineText, CutAtTheEndOfTheBuffer) {
  char line[textSize], expected[textSize];
  const std::string head(textSize - 5, 'w');
  for (uint32_t extra = 0; extra <= 4; ++extra) {
    std::string start = head + std::string(extra, 'x');
    uint32_t used = appendText(line, 0, start.c_str());
    used = appendDecimal(line, appendText(line, used, ", "), -1234);
    std::snprintf(expected, sizeof expected, "%s, %d", start.c_str(), -1234);
    EXPECT_STREQ(line, expected) << extra;
    EXPECT_EQ(used, textSize - 1);
    EXPECT_EQ(appendText(line, used, "more"), textSize - 1);
    EXPECT_STREQ(line, expected);
  }
}

}  // namespace
