// A Windows folder of tools/make-kit as a reader unzips it: its real
// quirel.exe started from another folder, a term typed, the first result
// row double-clicked, and the PDF beside the program handed to the viewer
// that .pdf is associated with, at the row's PDF page with its word.
//
//   test_kit_folder PROGRAMS_FOLDER KIT_FOLDER TERM PDF_FILE PDF_PAGE WORD
//   (the recorder as SumatraPDF.exe in PROGRAMS_FOLDER; KIT_FOLDER a
//   Windows path)
#include <string>

#include "checks.h"
#include "viewer_association.h"

#include <shellapi.h>

namespace {

// The arguments as Windows has them, whatever the code page.
Arguments wideArguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  Arguments arguments(argv, argv + count);
  LocalFree(argv);
  return arguments;
}

}  // namespace

int main() {
  const Arguments arguments = wideArguments();
  if (arguments.size() != 7) return 2;
  const std::wstring programs = windowsPath(utf8Of(arguments[1]).c_str()), folder = arguments[2];
  wchar_t temporary[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temporary);
  const std::wstring record = std::wstring(temporary) + L"kit-record.txt";
  SetEnvironmentVariableW(L"VIEWER_RECORD", record.c_str());
  associate(programs, L"SumatraPDF.exe");

  const std::wstring quirel = folder + L"\\quirel.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  CHECK(CreateProcessW(quirel.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, temporary, &startup, &program),
        utf8Of(quirel));
  HWND dialog = dialogOf(program.dwThreadId, nullptr);
  CHECK(dialog != nullptr, "the dialog of " + utf8Of(quirel));
  const std::string row = doubleClickFirstRow(dialog, utf8Of(arguments[3]).c_str());
  const Arguments expected = {L"-page", arguments[5], L"-search", arguments[6], folder + L"\\" + arguments[4]};
  CHECK(recordedArguments(record) == expected, "a double-click on " + row);
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(program.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 1);
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  associate(programs, L"");
  return checkSummary("test_kit_folder");
}
