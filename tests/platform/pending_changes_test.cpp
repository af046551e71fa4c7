// What a backend has yet to show: each change once, window by window, and
// nothing after it has been forgotten.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/seam/pending_changes.h"

namespace {

using Shown = std::vector<std::pair<HWND, ControlChange>>;
Shown shown;
// A window whose text changes while the first change is shown, as a widget's
// showing may change a model.
HWND noteWhileShowing = nullptr;

// Pending changes never follow a handle: made-up ones do.
HWND handle(uintptr_t value) { return reinterpret_cast<HWND>(value); }

void record(HWND window, ControlChange change) {
  shown.emplace_back(window, change);
  if (noteWhileShowing != nullptr) notePendingChange(std::exchange(noteWhileShowing, nullptr), ControlChange::text);
}

TEST(PendingChanges, EachShownOnceWindowByWindowInTheOrderOfChanges) {
  shown.clear();
  notePendingChange(handle(2), ControlChange::selection);
  notePendingChange(handle(1), ControlChange::text);
  notePendingChange(handle(2), ControlChange::lines);
  notePendingChange(handle(2), ControlChange::lines);
  showPendingChanges(record);
  EXPECT_EQ(shown, (Shown{{handle(1), ControlChange::text},
                          {handle(2), ControlChange::lines},
                          {handle(2), ControlChange::selection}}));
}

TEST(PendingChanges, ANewWindowShowsEverythingAndAChangeNotedWhileShowingIsShownToo) {
  shown.clear();
  noteEveryChangePending(handle(7));
  noteWhileShowing = handle(3);
  showPendingChanges(record);
  ASSERT_EQ(shown.size(), 7u);
  EXPECT_EQ(shown.back(), std::make_pair(handle(3), ControlChange::text));
}

TEST(PendingChanges, ForgottenChangesAreNotShown) {
  shown.clear();
  noteEveryChangePending(handle(4));
  notePendingChange(handle(5), ControlChange::focus);
  forgetPendingChanges();
  showPendingChanges(record);
  EXPECT_TRUE(shown.empty());
}

}  // namespace
