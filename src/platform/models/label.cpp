#include "platform/models/label.h"

#include "platform/models/window.h"

LRESULT labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      labelState(label).text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
      reportChange(label, ControlChange::text);
      return TRUE;
    case WM_GETTEXT: return copyTextOut(labelState(label).text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(labelState(label).text.size());
    default: return 0;
  }
}
