// A backend's user, turned into what Windows would send: each call runs the
// whole handling (notifications to the dialog included) before it returns.
#pragma once

#include <string_view>

#include "platform/win32/win32_types.h"

enum class EditInput { typing, pasting };
// Replaces characters start..end-1 of an edit field's text with the given
// ones, as the user's typing or pasting does; false when the field refuses.
bool userEditsText(HWND edit, int start, int end, const char* text, EditInput input);

// The user's edit as a backend's own text input makes it: the field's whole
// text afterwards (UTF-8) and the caret there, in characters. The field takes
// it as the replacement of one run of characters (what lies between the
// common beginning and the common end of its text and this one), cuts it to
// its width or refuses it. The caret then stands where the user put it when
// the field took the whole edit, after what the field kept when it cut it,
// and at the run's start when it refused it.
struct FieldEdit {
  bool taken;
  int caret;  // characters
};
FieldEdit userEditsField(HWND edit, std::string_view utf8After, int caretAfter, EditInput input);

void userSelectsLine(HWND list, int index);
// The second press of a double-click on a line; the first press and its
// release came as userSelectsLine, the second release reports nothing.
void userDoubleClicksLine(HWND list, int index);
void userFocuses(HWND control);
enum class DialogKey { enter, escape, tab, shiftTab };
void userPressesKey(HWND dialog, DialogKey key);
void userClosesDialog(HWND dialog);
