// One process may open and close the search dialog without end: after the
// first open-type-close cycle has made whatever the process keeps for good
// (the registry's tables, the built-in book's places), a thousand more leave
// exactly as many heap blocks alive as there were after one.
#include <gtest/gtest.h>

#include "allocation_counter.h"
#include "dialog/search_dialog.h"
#include "app/load_index_data.h"
#include "platform/models/window.h"

namespace {

constexpr UINT typeAndClose = WM_APP + 5;
HWND lastDialog = nullptr;
HWND lastResults = nullptr;

void type(HWND dialog, int slot, const char* text) {
  SendMessageA(GetDlgItem(dialog, firstTermFieldId + slot), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Terms that fill the word lists and the results list, then the dialog ends
// with its lists still full.
INT_PTR CALLBACK typingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != typeAndClose) {
    INT_PTR result = searchDialogProc(dialog, message, wParam, lParam);
    if (message == WM_INITDIALOG) PostMessageA(dialog, typeAndClose, 0, 0);
    return result;
  }
  type(dialog, 0, "motor");
  type(dialog, 1, "*welle");
  type(dialog, 2, "sch");
  lastDialog = dialog;
  lastResults = GetDlgItem(dialog, resultsListId);
  EndDialog(dialog, 0);
  return TRUE;
}

void cycle() {
  ASSERT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(searchDialogId), nullptr,
                            typingProc, 0),
            0);
}

TEST(OpenCloseHeap, AThousandDialogsKeepNoMoreThanOne) {
  ASSERT_TRUE(loadIndexData(GetModuleHandleA(nullptr)));
  cycle();
  long afterOne = liveAllocationCount();
  HWND firstDialog = lastDialog;
  for (int i = 0; i < 1000; ++i) cycle();
  EXPECT_EQ(liveAllocationCount(), afterOne);
  // The slots were reused, yet no old handle passes for a new window.
  EXPECT_FALSE(IsWindow(firstDialog));
  EXPECT_FALSE(IsWindow(lastDialog));
  EXPECT_EQ(SendMessageA(lastResults, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(GetDlgItem(firstDialog, resultsListId), nullptr);
}

}  // namespace
