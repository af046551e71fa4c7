// The distance field: one or two characters read as a number of pages.
#include <cstdio>

#include "dialog/slots.h"

namespace {

// At most two characters and the NUL: a longer text is no distance.
constexpr WPARAM distanceTextSize = 3;

int32_t readDistance(HWND field) {
  LRESULT length = SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
  if (length != 1 && length != 2) return 0;
  SendMessageA(field, WM_GETTEXT, distanceTextSize, reinterpret_cast<LPARAM>(distanceText));
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
