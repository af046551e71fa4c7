// Message lines and refills drawn once, for every list of the dialog.
#include "dialog/list_lines.h"

void suspendDrawing(HWND list) { SendMessageA(list, WM_SETREDRAW, FALSE, 0); }

// WM_SETREDRAW TRUE lets the list draw again; the invalidation makes it
// draw what changed while it could not.
void resumeDrawing(HWND list) {
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void showMessageLine(HWND list, const char* message, bool above) {
  SendMessageA(list, above ? LB_INSERTSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(message));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}
