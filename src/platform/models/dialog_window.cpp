#include "platform/models/dialog_window.h"

#include "platform/models/message_queue.h"
#include "platform/win32/win32_api.h"
#include "platform/models/window.h"

namespace {

WindowKind kindOfAtom(uint16_t classAtom) {
  switch (classAtom) {
    case classAtomEdit: return WindowKind::edit;
    case classAtomListBox: return WindowKind::listBox;
    default: return WindowKind::label;
  }
}

HWND createControl(HWND dialog, const ControlTemplate& item) {
  HWND control = createWindow(kindOfAtom(item.classAtom), dialog, item.id, item.style,
                              item.x, item.y, item.cx, item.cy);
  // Controls are created silently: a template's text raises no EN_CHANGE.
  if (windowRecord(control).kind == WindowKind::label) labelState(control).text = item.text;
  if (windowRecord(control).kind == WindowKind::edit) editState(control).text = item.text;
  return control;
}

// What the dialog manager does with a message the dialog procedure left.
LRESULT defaultDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      // The system's handling of the close command asks the window to close.
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(dialog, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      // A dialog asked to close gets Escape's cancel command, posted.
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return 0;
    case WM_GETTEXT: return copyTextOut(dialogState(dialog).caption, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(dialogState(dialog).caption.size());
    default: return 0;
  }
}

bool isTabStop(HWND control) { return (windowRecord(control).style & WS_TABSTOP) != 0; }

}  // namespace

HWND createDialogFromTemplate(const DialogTemplate& dialogTemplate, DLGPROC procedure) {
  HWND dialog = createWindow(WindowKind::dialog, nullptr, 0, dialogTemplate.style,
                             dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy);
  dialogState(dialog).procedure = procedure;
  dialogState(dialog).caption = dialogTemplate.caption;
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    HWND control = createControl(dialog, dialogTemplate.controls[i]);
    dialogState(dialog).controls.push_back(control);
  }
  return dialog;
}

LRESULT dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DLGPROC procedure = dialogState(dialog).procedure;
  INT_PTR handled = procedure != nullptr ? procedure(dialog, message, wParam, lParam) : FALSE;
  // WM_INITDIALOG's answer is about the focus, for the caller to act on.
  if (message == WM_INITDIALOG || handled != FALSE || !isLiveWindow(dialog)) return handled;
  return defaultDialogProc(dialog, message, wParam, lParam);
}

HWND firstTabStop(HWND dialog) {
  for (HWND control : dialogState(dialog).controls) {
    if (isTabStop(control)) return control;
  }
  return nullptr;
}

HWND nextTabStop(HWND dialog, HWND from, int step) {
  const std::vector<HWND>& controls = dialogState(dialog).controls;
  int count = static_cast<int>(controls.size());
  int at = 0;
  while (at < count && controls[static_cast<std::size_t>(at)] != from) ++at;
  for (int tries = 0; tries < count; ++tries) {
    at = ((at + step) % count + count) % count;
    HWND control = controls[static_cast<std::size_t>(at)];
    if (isTabStop(control)) return control;
  }
  return from;
}

void setDialogFocus(HWND dialog, HWND control) {
  dialogState(dialog).focus = control;
  activeBackend().controlChanged(dialog, ControlChange::focus);
}
