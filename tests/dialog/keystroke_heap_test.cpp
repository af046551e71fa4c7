// A keystroke allocates nothing: every allocation of the process is counted
// while the search dialog handles a term field's change (the word list
// refilled, the results list rebuilt), on the built-in book, and the count
// must be 0, from the first keystroke on, the longest lines included: the
// lists reserved their storage when the dialog opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "allocation_counter.h"
#include "script/dialog_session.h"
#include "dialog/search_dialog.h"
#include "search/search_state.h"
#include "app/load_index_data.h"

namespace {

long handlingAllocations = -1;  // of the last term field change, -1 before any
void (*testBody)(HWND) = nullptr;

// Counts around the dialog's own handling of a term field's change, so that
// the edit field storing its new text is not counted.
INT_PTR CALLBACK countingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  bool termChange = message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE &&
                    LOWORD(wParam) >= firstTermFieldId && LOWORD(wParam) < firstTermFieldId + 3;
  long before = allocationCount();
  INT_PTR result = searchDialogProc(dialog, message, wParam, lParam);
  if (termChange) handlingAllocations = allocationCount() - before;
  return result;
}

void runAndEnd(HWND dialog, void*) {
  testBody(dialog);
  EndDialog(dialog, 0);
}

void runDialog(void (*body)(HWND)) {
  testBody = body;
  ASSERT_TRUE(loadIndexData(GetModuleHandleA(nullptr)));
  ASSERT_EQ(runDialogSession(searchDialogId, runAndEnd, nullptr, countingProc), 0);
}

void type(HWND dialog, int slot, const char* text) {
  SendMessageA(GetDlgItem(dialog, firstTermFieldId + slot), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

struct Keystroke {
  const char* terms[3];  // what the three fields hold; the last one typed counts
  const char* pageDistance;
  int slot;
};

// Prefix, substring and refused terms, the limit of 100 words with its
// message line, words of 20 pages and of more, empty fields, and results
// with and without heading trails.
const Keystroke keystrokes[] = {
    {{"motor", "", ""}, "1", 0},     {{"k", "", ""}, "1", 0},
    {{"*motor", "is", "al"}, "99", 0}, {{"um", "is", "al"}, "99", 0},
    {{"", "welle", "motor"}, "5", 2}, {{"x y", "", ""}, "1", 0},
    {{"*erqx", "", ""}, "0", 0},     {{"", "", ""}, "1", 1},
    {{"sch", "motor", ""}, "3", 1},  {{"spindel", "", ""}, "1", 0},
    {{"*e", "*a", "*i"}, "99", 2},
};

void typeEveryKeystroke(HWND dialog) {
  for (const Keystroke& k : keystrokes) {
    SendMessageA(GetDlgItem(dialog, distanceFieldId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(k.pageDistance));
    for (int slot = 0; slot < 3; ++slot) {
      if (slot != k.slot) type(dialog, slot, k.terms[slot]);
    }
    type(dialog, k.slot, k.terms[k.slot]);
    EXPECT_EQ(handlingAllocations, 0) << "typing " << k.terms[k.slot] << " into slot " << k.slot;
  }
}

TEST(KeystrokeHeap, NothingAllocates) {
  runDialog(typeEveryKeystroke);
  EXPECT_GE(handlingAllocations, 0) << "no term field change was handled";
}

// Beyond its reserve a list still takes every line: its storage grows, and
// the counter sees it.
void overfillAList(HWND dialog) {
  HWND list = GetDlgItem(dialog, firstWordListId);
  const std::string line(999, 'w');
  long before = allocationCount();
  for (int i = 0; i < 2 * (wordLimit + 1); ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  EXPECT_GT(allocationCount(), before);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2 * (wordLimit + 1));
  EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 2 * wordLimit + 1, 0), 999);
}

TEST(KeystrokeHeap, AListBeyondItsReserveGrows) { runDialog(overfillAList); }

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
