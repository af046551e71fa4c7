#include "dialog_driver.h"

#include "dialog/search_dialog.h"

namespace {

constexpr UINT startMessage = WM_APP + 7;
void (*pendingBody)(HWND) = nullptr;

INT_PTR CALLBACK driverProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == startMessage) {
    pendingBody(dialog);
    EndDialog(dialog, 0);
    return TRUE;
  }
  INT_PTR result = searchDialogProc(dialog, message, wParam, lParam);
  if (message == WM_INITDIALOG) PostMessageA(dialog, startMessage, 0, 0);
  return result;
}

}  // namespace

INT_PTR runInsideSearchDialog(void (*body)(HWND dialog)) {
  pendingBody = body;
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(searchDialogId), nullptr, driverProc, 0);
}

void typeInto(HWND dialog, int controlId, const char* text) {
  SendMessageA(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}
