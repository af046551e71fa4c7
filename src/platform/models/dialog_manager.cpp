// The modal dialog: creation from its template, initialisation, the loop that
// runs until EndDialog, and the lookups a dialog procedure makes.
#include <cassert>
#include <vector>

#include "platform/models/message_queue.h"
#include "platform/seam/modal_steps.h"
#include "platform/win32/win32_api.h"
#include "platform/models/window.h"

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

}  // namespace

HWND beginModalDialog(LPCSTR templateName, DLGPROC procedure, LPARAM initParam) {
  if (!IS_INTRESOURCE(templateName)) return nullptr;
  const DialogTemplate* found = findDialogTemplate(LOWORD(templateName));
  if (found == nullptr) return nullptr;
  HWND dialog = createDialogFromTemplate(*found, procedure);
  if (!activeBackend().dialogCreated(dialog)) {
    destroyWindow(dialog);
    return nullptr;
  }
  runningDialogs().push_back(dialog);
  initialise(dialog, initParam);
  activeBackend().dialogShown(dialog);
  return dialog;
}

bool stepModalDialog() { return deliverPostedMessage(); }

bool modalDialogEnded(HWND dialog) { return dialogState(dialog).ended; }

INT_PTR finishModalDialog(HWND dialog) {
  assert(!runningDialogs().empty() && runningDialogs().back() == dialog);
  INT_PTR result = dialogState(dialog).result;
  activeBackend().dialogDestroyed(dialog);
  dropPostedMessages(dialog);
  destroyWindow(dialog);
  runningDialogs().pop_back();
  return result;
}

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR templateName, HWND, DLGPROC procedure, LPARAM initParam) {
  HWND dialog = beginModalDialog(templateName, procedure, initParam);
  if (dialog == nullptr) return -1;
  // The loop looks at the flag after every message, so the message in which
  // EndDialog was called is the last one handled. A backend without a user
  // gives up on the dialog, as on one that could not run.
  bool abandoned = false;
  while (!modalDialogEnded(dialog) && !abandoned) {
    if (deliverPostedMessage()) continue;
    abandoned = !activeBackend().waitForUser(dialog);
  }
  INT_PTR result = finishModalDialog(dialog);
  return abandoned ? -1 : result;
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
