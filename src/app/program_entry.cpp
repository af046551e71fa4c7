// The process entry of the window program where Windows does not call
// WinMain itself: the window is told what it says of the program, then
// WinMain runs.
#include "platform/fltk/fltk_program.h"
#include "platform/win32/win32.h"

namespace {

// Its X class, and the one line said without a display:
// "quirel: REASON; quirel-script runs Quirel without a window".
constexpr WindowProgram quirelWindow = {"quirel", "quirel-script runs Quirel without a window"};

}  // namespace

int main() {
  introduceWindowProgram(quirelWindow);
  static char noCommandLine[] = "";
  constexpr int showDefault = 10;
  return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, showDefault);
}
