#include "dialog_driver.h"

#include "app/resource_numbers.h"
#include "script/dialog_session.h"
#include "dialog/search_dialog.h"

namespace {

void runAndEnd(HWND dialog, void* body) {
  reinterpret_cast<void (*)(HWND)>(body)(dialog);
  EndDialog(dialog, 0);
}

}  // namespace

INT_PTR runInsideSearchDialog(void (*body)(HWND dialog)) {
  return runDialogSession(searchDialogId, runAndEnd, reinterpret_cast<void*>(body), searchDialogProc);
}

void typeInto(HWND dialog, int controlId, const char* text) {
  SendMessageA(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
