// The single-line edit field: its text, how programs read and write it, and
// how it takes a user's typing.
#pragma once

#include <string>

#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/win32/win32_types.h"

struct EditState {
  std::string text;  // cp1252
};

LRESULT editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
bool editTakesInput(HWND edit, int start, int end, const char* text, EditInput input);
