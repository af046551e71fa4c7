// The process entry of the window program where Windows does not call
// WinMain itself: --help and --version are answered, the window is told what
// it says of the program, then WinMain runs.
#include <string>

#include "app/program_options.h"
#include "platform/fltk/fltk_program.h"
#include "platform/win32/win32.h"

int main(int argc, char** argv) {
  if (int status = answerWindowProgramOptions(argc, argv); status >= 0) return status;
  // Its X class (the desktop entry's StartupWMClass), and the one line said
  // without a display: "quirel: REASON; quirel-script runs Quirel without a
  // window", or the same of a book's own quirel-NAME.
  static const std::string withoutDisplay = std::string(installedScriptName) + " runs Quirel without a window";
  static const WindowProgram window = {installedProgramName, withoutDisplay.c_str()};
  introduceWindowProgram(window);
  static char noCommandLine[] = "";
  constexpr int showDefault = 10;
  return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, showDefault);
}
