// The process entry where Windows does not call WinMain itself.
#include "platform/win32/win32.h"

int main() {
  static char noCommandLine[] = "";
  constexpr int showDefault = 10;
  return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, showDefault);
}
