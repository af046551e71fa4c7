// The distance field: one or two characters read as a number of pages.
#include <cstdio>

#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

// At most two characters: a longer text is no distance.
constexpr WPARAM longestDistanceText = 2;
static_assert(sizeof distanceText > longestDistanceText);

int32_t readDistance(HWND field) {
  LRESULT length = SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
  if (length < 1 || length > static_cast<LRESULT>(longestDistanceText)) return 0;
  SendMessageA(field, WM_GETTEXT, longestDistanceText + 1, reinterpret_cast<LPARAM>(distanceText));
  // The scan skips leading blanks, takes a sign and stops at a non-digit;
  // a pasted "-3" therefore gives -3.
  int value = 0;
  return std::sscanf(distanceText, "%d", &value) == 1 ? value : 0;
}

}  // namespace

void updateDistance(HWND dialog) {
  HWND field = GetDlgItem(dialog, distanceFieldId);
  if (field == nullptr) return;
  distance = readDistance(field);
  refreshResults(dialog);
}
