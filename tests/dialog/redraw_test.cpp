// Drawing suspended by WM_SETREDRAW, seen by a backend that records what it
// is told to draw: a suspended list draws nothing, and once drawing resumes
// every change is drawn once, with the lines, extent and selection complete.
// Then the real dialog: one keystroke draws each list it refills once.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "script/dialog_session.h"
#include "app/load_index_data.h"
#include "dialog/search_dialog.h"
#include "platform/seam/backend.h"
#include "platform/seam/model_readers.h"

namespace {

struct Drawn {
  HWND window;
  ControlChange change;
  bool operator==(const Drawn&) const = default;
};

std::vector<Drawn> drawn;
std::function<void(HWND)> body;

void record(HWND window, ControlChange change) { drawn.push_back({window, change}); }

void runBodyAndEnd(HWND dialog, void*) {
  body(dialog);
  EndDialog(dialog, 0);
}

void runInDialog(std::function<void(HWND)> run) {
  body = std::move(run);
  ASSERT_TRUE(loadIndexData(GetModuleHandleA(nullptr)));
  runDialogSession(searchDialogId, runBodyAndEnd, nullptr, searchDialogProc);
}

std::vector<Drawn> drawnFor(HWND window) {
  std::vector<Drawn> mine;
  for (const Drawn& d : drawn) {
    if (d.window == window) mine.push_back(d);
  }
  return mine;
}

TEST(Redraw, ASuspendedListDrawsNothingAndAllOfItOnceItResumes) {
  runInDialog([](HWND dialog) {
    HWND list = GetDlgItem(dialog, resultsListId);
    drawn.clear();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const char* line : {"1\tA", "2 - 3\tB", "7\tC"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, 240, 0);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(listLineCount(list), 3);  // the model holds every line meanwhile
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(drawn, (std::vector<Drawn>{{list, ControlChange::lines}, {list, ControlChange::selection},
                                         {list, ControlChange::horizontalExtent}}));
    EXPECT_EQ(listLineCount(list), 3);
    EXPECT_STREQ(listLine(list, 2), "7\tC");
    EXPECT_EQ(listHorizontalExtent(list), 240);
    EXPECT_EQ(listSelection(list), 1);
    drawn.clear();
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);  // nothing held: nothing drawn
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("9\tD"));
    EXPECT_EQ(drawn, (std::vector<Drawn>{{list, ControlChange::lines}}));
  });
}

TEST(Redraw, AKeystrokeDrawsEachListItRefillsOnce) {
  runInDialog([](HWND dialog) {
    HWND words = GetDlgItem(dialog, firstWordListId);
    HWND results = GetDlgItem(dialog, resultsListId);
    drawn.clear();
    SendMessageA(GetDlgItem(dialog, firstTermFieldId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("spindel"));
    EXPECT_EQ(listLineCount(words), 101);
    EXPECT_EQ(drawnFor(words), (std::vector<Drawn>{{words, ControlChange::lines}, {words, ControlChange::selection},
                                                   {words, ControlChange::horizontalExtent}}));
    EXPECT_EQ(drawnFor(results), (std::vector<Drawn>{{results, ControlChange::lines},
                                                     {results, ControlChange::selection}}));
  });
}

bool created(HWND) { return true; }
void nothing(HWND) {}
bool noUser(HWND) { return false; }
bool fixedWidth(HWND, const char*, int length, SIZE* size) {
  *size = SIZE{7 * length, 16};
  return true;
}
SIZE baseUnits() { return SIZE{7, 16}; }
void noAlert(const char*, const char*) {}

constexpr Backend recording = {created, nothing, nothing, record, noUser, fixedWidth, baseUnits, noAlert};

}  // namespace

const Backend& activeBackend() { return recording; }
