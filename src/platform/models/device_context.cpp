// Device contexts, only as far as measuring text needs them: a context is
// the window it was taken from, with the dialog's font.
#include <memory>
#include <vector>

#include "platform/win32/win32_api.h"
#include "platform/models/window.h"

struct HDC__ {
  HWND window;
};

HDC GetDC(HWND window) {
  static std::vector<std::unique_ptr<HDC__>> contexts;
  if (!isLiveWindow(window)) return nullptr;
  for (const auto& context : contexts) {
    if (context->window == window) return context.get();
  }
  contexts.push_back(std::make_unique<HDC__>(HDC__{window}));
  return contexts.back().get();
}

int ReleaseDC(HWND, HDC context) { return context != nullptr ? 1 : 0; }

BOOL GetTextExtentPoint32A(HDC context, LPCSTR text, int length, SIZE* size) {
  if (context == nullptr || size == nullptr || length < 0 || (text == nullptr && length > 0)) {
    return FALSE;
  }
  return activeBackend().measureText(context->window, text, length, size) ? TRUE : FALSE;
}
