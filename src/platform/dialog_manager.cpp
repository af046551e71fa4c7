// The modal dialog: creation from its template, initialisation, the loop that
// runs until EndDialog, and the lookups a dialog procedure makes.
#include <vector>

#include "platform/message_queue.h"
#include "platform/win32_api.h"
#include "platform/window.h"

namespace {

// The dialogs whose modal loops are running, innermost last.
std::vector<HWND>& runningDialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

void initialise(HWND dialog, LPARAM initParam) {
  HWND first = firstTabStop(dialog);
  INT_PTR wantsDefaultFocus =
      SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
  // TRUE leaves the focus to the dialog manager: the first control with a
  // tab stop gets it.
  if (wantsDefaultFocus != FALSE && first != nullptr && isLiveWindow(dialog)) {
    setDialogFocus(dialog, first);
  }
}

INT_PTR runModalLoop(HWND dialog) {
  // The loop looks at the flag after every message, so the message in which
  // EndDialog was called is the last one handled.
  while (!dialogState(dialog).ended) {
    if (deliverPostedMessage()) continue;
    // A backend without a user gives up on the dialog, as on one that
    // could not run.
    if (!activeBackend().waitForUser(dialog)) return -1;
  }
  return dialogState(dialog).result;
}

}  // namespace

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC procedure, LPARAM initParam) {
  if (!IS_INTRESOURCE(templateName)) return -1;
  const DialogTemplate* found = findDialogTemplate(LOWORD(templateName));
  if (found == nullptr) return -1;
  HWND dialog = createDialogFromTemplate(*found, procedure);
  if (!activeBackend().dialogCreated(dialog)) {
    destroyWindow(dialog);
    return -1;
  }
  runningDialogs().push_back(dialog);
  initialise(dialog, initParam);
  activeBackend().dialogShown(dialog);
  INT_PTR result = runModalLoop(dialog);
  activeBackend().dialogDestroyed(dialog);
  dropPostedMessages(dialog);
  destroyWindow(dialog);
  runningDialogs().pop_back();
  return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  if (!isLiveWindow(dialog) || windowRecord(dialog).kind != WindowKind::dialog) return FALSE;
  dialogState(dialog).ended = true;
  dialogState(dialog).result = result;
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
  if (!isLiveWindow(dialog) || windowRecord(dialog).kind != WindowKind::dialog) return nullptr;
  for (HWND control : dialogState(dialog).controls) {
    if (windowRecord(control).id == id) return control;
  }
  return nullptr;
}

HWND GetFocus() {
  if (runningDialogs().empty()) return nullptr;
  HWND dialog = runningDialogs().back();
  return isLiveWindow(dialog) ? dialogState(dialog).focus : nullptr;
}
