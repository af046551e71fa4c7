// Without a display the dialog cannot be created: quirel says so in one line
// and ends as DialogBoxParamA does for such a dialog.
#include <gtest/gtest.h>

#include <algorithm>

#include "window_session.h"

namespace {

TEST(NoDisplay, OneLineNamingTheWayWithoutAWindowAndStatus255) {
  const std::vector<std::string> settings[] = {
      {},                                  // neither variable set
      {"DISPLAY="},                        // set, but empty
      {"DISPLAY=:397"},                    // a display nobody serves
      {"WAYLAND_DISPLAY=wayland-397"},     // a Wayland display only
  };
  for (const auto& environment : settings) {
    SCOPED_TRACE(environment.empty() ? "none" : environment[0]);
    std::string err;
    EXPECT_EQ(runProgram({QUIREL_PROGRAM}, environment, err), 255);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("quirel-script"), std::string::npos) << err;
  }
}

}  // namespace
