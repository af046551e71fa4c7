// The list box: lines of text in the order added, one selected line or none,
// a horizontal scroll range and tab stops.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32_types.h"

struct ListBoxState {
  std::vector<std::string> lines;  // cp1252
  int selected = -1;
  int horizontalExtent = 0;        // pixels
  std::vector<int> tabStops;       // dialog template units
};

LRESULT listBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
void listBoxTakesClick(HWND list, int index);
