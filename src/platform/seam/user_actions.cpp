// A backend's user, turned into the messages Windows would send for him.
#include "platform/seam/user_actions.h"

#include <string>

#include "platform/models/window.h"
#include "platform/seam/backend.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/win32_api.h"

namespace {

// Characters start..end-1 of one text become `inserted` in the other.
struct TextEdit {
  int start;
  int end;
  std::string inserted;
};

// The run between the two texts' common beginning and common end.
TextEdit editBetween(std::string_view before, std::string_view after) {
  std::size_t start = 0;
  while (start < before.size() && start < after.size() && before[start] == after[start]) ++start;
  std::size_t common = 0;  // of the ends, within what follows the beginning
  while (common + start < before.size() && common + start < after.size() &&
         before[before.size() - 1 - common] == after[after.size() - 1 - common]) {
    ++common;
  }
  return {static_cast<int>(start), static_cast<int>(before.size() - common),
          std::string(after.substr(start, after.size() - common - start))};
}

}  // namespace

bool userEditsText(HWND edit, int start, int end, const char* text, EditInput input) {
  if (!isLiveWindow(edit) || windowRecord(edit).kind != WindowKind::edit) return false;
  return editTakesInput(edit, start, end, text, input);
}

// The model's text is cp1252, one byte a character, so its lengths count
// characters as the caret does.
FieldEdit userEditsField(HWND edit, std::string_view utf8After, int caretAfter, EditInput input) {
  if (!isLiveWindow(edit) || windowRecord(edit).kind != WindowKind::edit) return {false, 0};
  std::string before = windowText(edit);
  std::string after = utf8ToCp1252(utf8After);
  TextEdit change = editBetween(before, after);
  if (!userEditsText(edit, change.start, change.end, change.inserted.c_str(), input)) {
    return {false, change.start};
  }
  std::string now = windowText(edit);
  if (now == after) return {true, caretAfter};
  int kept = static_cast<int>(now.size()) - static_cast<int>(before.size()) + (change.end - change.start);
  return {true, change.start + kept};
}

void userSelectsLine(HWND list, int index) {
  if (!isLiveWindow(list) || windowRecord(list).kind != WindowKind::listBox) return;
  listBoxTakesClick(list, index);
}

void userDoubleClicksLine(HWND list, int index) {
  if (!isLiveWindow(list) || windowRecord(list).kind != WindowKind::listBox) return;
  listBoxTakesDoubleClick(list, index);
}

void userFocuses(HWND control) {
  if (!isLiveWindow(control) || windowRecord(control).parent == nullptr) return;
  setDialogFocus(windowRecord(control).parent, control);
}

void userPressesKey(HWND dialog, DialogKey key) {
  if (!isLiveWindow(dialog) || windowRecord(dialog).kind != WindowKind::dialog) return;
  HWND focus = dialogState(dialog).focus;
  switch (key) {
    // Without push buttons, Enter and Escape become the commands IDOK and
    // IDCANCEL; what they do is the dialog procedure's affair.
    case DialogKey::enter: SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); break;
    case DialogKey::escape: SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0); break;
    case DialogKey::tab: setDialogFocus(dialog, nextTabStop(dialog, focus, 1)); break;
    case DialogKey::shiftTab: setDialogFocus(dialog, nextTabStop(dialog, focus, -1)); break;
  }
}

void userClosesDialog(HWND dialog) {
  // The close box, the system menu's close item and Alt+F4 all arrive as
  // the system command SC_CLOSE.
  if (!isLiveWindow(dialog) || windowRecord(dialog).kind != WindowKind::dialog) return;
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}
