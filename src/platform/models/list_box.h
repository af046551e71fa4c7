// The list box: lines of text in the order added, one selected line or none,
// a horizontal scroll range and tab stops.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32/win32_types.h"

// The lines live in one run of storage, text after text, each closed by its
// NUL; `starts` gives each line's place, in list order. Emptying the list
// keeps the storage, and LB_INITSTORAGE reserves it once, so a refill within
// the reserve allocates nothing; beyond it the storage grows. It goes with
// the list.
struct ListBoxState {
  std::vector<char> text;          // cp1252 lines, each NUL-terminated
  std::vector<uint32_t> starts;    // where each line begins in text
  int selected = -1;
  int horizontalExtent = 0;        // pixels
  std::vector<int> tabStops;       // dialog template units
};

LRESULT listBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
void listBoxTakesClick(HWND list, int index);
void listBoxTakesDoubleClick(HWND list, int index);
