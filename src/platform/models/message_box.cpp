#include "platform/seam/backend.h"
#include "platform/win32/win32_api.h"

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
  activeBackend().alert(caption != nullptr ? caption : "", text != nullptr ? text : "");
  return IDOK;
}
