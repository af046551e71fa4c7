// The process entry where Windows does not call WinMain itself.
#include "app/program_options.h"
#include "platform/win32/win32.h"

int main(int argc, char** argv) {
  if (int status = answerWindowProgramOptions(argc, argv); status >= 0) return status;
  static char noCommandLine[] = "";
  constexpr int showDefault = 10;
  return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, showDefault);
}
