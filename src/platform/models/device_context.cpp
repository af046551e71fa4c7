// Device contexts, only as far as measuring text needs them: a context is
// the window it was taken from, with the dialog's font. So the context's
// handle is the window's own handle, nothing is kept per context, and a
// context of a destroyed window is as dead as the window.
#include "platform/win32/win32_api.h"
#include "platform/models/window.h"

HDC GetDC(HWND window) {
  if (!isLiveWindow(window)) return nullptr;
  return reinterpret_cast<HDC>(window);
}

int ReleaseDC(HWND, HDC context) { return context != nullptr ? 1 : 0; }

BOOL GetTextExtentPoint32A(HDC context, LPCSTR text, int length, SIZE* size) {
  HWND window = reinterpret_cast<HWND>(context);
  if (!isLiveWindow(window) || size == nullptr || length < 0 || (text == nullptr && length > 0)) {
    return FALSE;
  }
  return activeBackend().measureText(window, text, length, size) ? TRUE : FALSE;
}
