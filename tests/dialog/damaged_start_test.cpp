// The start-up with a damaged data set built in: no dialog, a German
// message, exit status 1.
#include <gtest/gtest.h>

#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

TEST(DamagedStart, ReportsTheDamageAndEndsWithOne) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Die eingebauten Indexdaten sind besch\xC3\xA4" "digt. Das Programm kann nicht gestartet werden.\n");
  EXPECT_EQ(searchState.index, nullptr);
  EXPECT_EQ(searchState.headings, nullptr);
}

}  // namespace
