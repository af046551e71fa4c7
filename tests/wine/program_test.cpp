// The program as a user starts it: quirel.exe, entered through WinMain,
// loads its built-in data sets and opens its dialog at the top left corner
// of the screen with the focus in the first term field; the window's close
// command ends the process with exit code 0.
//
//   test_program QUIREL_EXE
#include <windows.h>

#include <string>

#include "checks.h"

namespace {

constexpr DWORD patience = 60000;  // milliseconds; only a bound against hanging

BOOL CALLBACK takeDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

GUITHREADINFO inputOf(DWORD thread) {
  GUITHREADINFO input{};
  input.cbSize = sizeof input;
  GetGUIThreadInfo(thread, &input);
  return input;
}

// The visible dialog of the program's one thread, once it has the focus.
// The program signals that it waits for input just before the dialog
// manager shows the dialog, so the search goes on for a while after.
HWND programDialog(const PROCESS_INFORMATION& program) {
  WaitForInputIdle(program.hProcess, patience);
  for (DWORD waited = 0; waited < patience; waited += 50) {
    HWND dialog = nullptr;
    EnumThreadWindows(program.dwThreadId, takeDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog != nullptr && inputOf(program.dwThreadId).hwndFocus != nullptr) return dialog;
    Sleep(50);
  }
  return nullptr;
}

void checkOpenDialog(HWND dialog, DWORD thread) {
  char caption[64] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  CHECK(std::string(caption).rfind("Quirel - Volltextsuche f\xFCr ", 0) == 0, caption);
  RECT place{};
  GetWindowRect(dialog, &place);
  CHECK(place.left == 0 && place.top == 0, "at the top left corner of the screen");
  GUITHREADINFO input = inputOf(thread);
  CHECK(input.hwndActive == dialog, "the dialog is the active window");
  CHECK(input.hwndFocus != nullptr && GetDlgCtrlID(input.hwndFocus) == 1002, "focus in the first term field");
  char distance[8] = {};
  GetDlgItemTextA(dialog, 1009, distance, sizeof distance);
  CHECK(std::string(distance) == "1", std::string("distance field shows ") + distance);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: test_program QUIREL_EXE\n");
    return 2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  if (!CHECK(CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program),
             std::string("start ") + argv[1])) {
    return checkSummary("test_program");
  }
  HWND dialog = programDialog(program);
  if (CHECK(dialog != nullptr, "the program shows its dialog")) {
    checkOpenDialog(dialog, program.dwThreadId);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  bool ended = WaitForSingleObject(program.hProcess, patience) == WAIT_OBJECT_0;
  DWORD exitCode = 1;
  GetExitCodeProcess(program.hProcess, &exitCode);
  CHECK(ended && exitCode == 0, "the close command ends the program with 0, got " + std::to_string(exitCode));
  if (!ended) TerminateProcess(program.hProcess, 1);
  return checkSummary("test_program");
}
