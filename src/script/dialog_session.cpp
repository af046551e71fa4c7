#include "script/dialog_session.h"

#include <cassert>

namespace {

// WM_APP and above belong to the application; this one is never sent by
// the dialog or the system.
constexpr UINT firstActionMessage = WM_APP + 1;

struct Session {
  SessionAction firstAction;
  void* context;
  DLGPROC procedure;
};
Session current{};

INT_PTR CALLBACK sessionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == firstActionMessage) {
    current.firstAction(dialog, current.context);
    return TRUE;
  }
  INT_PTR result = current.procedure(dialog, message, wParam, lParam);
  if (message == WM_INITDIALOG) PostMessageA(dialog, firstActionMessage, 0, 0);
  return result;
}

}  // namespace

INT_PTR runDialogSession(int dialogId, SessionAction firstAction, void* context, DLGPROC procedure,
                         const void* services) {
  assert(firstAction != nullptr && procedure != nullptr && current.procedure == nullptr);
  current = {firstAction, context, procedure};
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId),
                                   nullptr, sessionProc, reinterpret_cast<LPARAM>(services));
  current = {};
  return result;
}
