// The static label: a text that only the template and programs set.
#pragma once

#include <string>

#include "platform/win32/win32_types.h"

struct LabelState {
  std::string text;  // cp1252
};

LRESULT labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
