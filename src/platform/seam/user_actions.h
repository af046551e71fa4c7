// A backend's user, turned into what Windows would send: each call runs the
// whole handling (notifications to the dialog included) before it returns.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32_types.h"

enum class EditInput { typing, pasting };
// A field's text before and after the user's change, as one replacement:
// characters start..end-1 of `before` become `inserted` (what lies between
// the two texts' common beginning and common end).
struct TextEdit {
  int start;
  int end;
  std::string inserted;
};
TextEdit editBetween(std::string_view before, std::string_view after);
// Replaces characters start..end-1 of an edit field's text with the given
// ones, as the user's typing or pasting does; false when the field refuses.
bool userEditsText(HWND edit, int start, int end, const char* text, EditInput input);
void userSelectsLine(HWND list, int index);
// The second press of a double-click on a line; the first press and its
// release came as userSelectsLine, the second release reports nothing.
void userDoubleClicksLine(HWND list, int index);
void userFocuses(HWND control);
enum class DialogKey { enter, escape, tab, shiftTab };
void userPressesKey(HWND dialog, DialogKey key);
void userClosesDialog(HWND dialog);
