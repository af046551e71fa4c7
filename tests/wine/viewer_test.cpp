// The Windows viewer as a desktop's file association leads to it: .pdf names
// a document kind whose "open" runs the recorder, under a known viewer's name
// or an unknown one. Each case asks for a document at a page and reads the
// recorder's command line back through the system's own parser. Last, the
// real program: a double-click on a result row of quirel.exe, started from a
// folder beside a stand-in for the book's PDF, starts the viewer at the row's
// PDF page. The association is left removed in the session's own prefix.
//
//   test_viewer PROGRAMS_FOLDER QUIREL_EXE   (the recorder under each name)
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "checks.h"
#include "viewer/document_viewer.h"

namespace {

using Arguments = std::vector<std::wstring>;

const std::wstring folder = L"C:\\B\u00fccher Regal\\";
const std::wstring record = folder + L"record.txt";

std::string utf8Of(const std::wstring& wide) {
  std::string utf8(4 * wide.size() + 1, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(),
                                                           static_cast<int>(utf8.size()), nullptr, nullptr) - 1));
  return utf8;
}

void setDefault(const wchar_t* key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(2 * value.size() + 2));
}

// The association's "open" runs `program` from the programs folder; none
// when it is empty. (Wine's classes root is the machine's: the user's own
// classes do not reach it.)
void associate(const std::wstring& programs, const std::wstring& program) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pdf");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TestViewer.Document");
  if (program.empty()) return;
  setDefault(L".pdf", L"TestViewer.Document");
  setDefault(L"TestViewer.Document\\shell\\open\\command", L"\"" + programs + L"\\" + program + L"\" \"%1\"");
}

// The arguments after the program's own name, once the recorder has written
// them; none after 30 s.
Arguments recordedArguments() {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int waited = 0; waited < 600 && file == INVALID_HANDLE_VALUE; ++waited, Sleep(50)) {
    file = CreateFileW(record.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  char utf8[4096] = {};
  DWORD length = 0;
  ReadFile(file, utf8, sizeof utf8 - 1, &length, nullptr);
  CloseHandle(file);
  DeleteFileW(record.c_str());
  wchar_t line[4096] = {};
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, line, 4096);
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(line, &count);
  Arguments arguments(argv + (count > 0 ? 1 : 0), argv + count);
  LocalFree(argv);
  return arguments;
}

std::wstring windowsPath(const char* utf8) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, path.data(), MAX_PATH) - 1));
  for (wchar_t& character : path) character = character == L'/' ? L'\\' : character;
  return path;
}

BOOL CALLBACK takeDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  HWND& other = *reinterpret_cast<HWND*>(found);
  if (std::string(name) != "#32770" || !IsWindowVisible(window) || window == other) return TRUE;
  other = window;
  return FALSE;
}

// A visible dialog of the thread other than `other`, within 60 s.
HWND dialogOf(DWORD thread, HWND other) {
  for (int waited = 0; waited < 1200; ++waited, Sleep(50)) {
    HWND found = other;
    EnumThreadWindows(thread, takeDialog, reinterpret_cast<LPARAM>(&found));
    if (found != other) return found;
  }
  return nullptr;
}

// The stand-in's checksum is not the book's, so the program says so first,
// and the test answers. The book's PDF page is its printed page + 56.
void checkDoubleClick(const std::wstring& quirel) {
  const std::wstring copy = folder + L"quirel.exe", pdf = folder + L"LinuxCNC_Documentation_de.pdf";
  CopyFileW(quirel.c_str(), copy.c_str(), FALSE);
  CloseHandle(CreateFileW(pdf.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  CreateProcessW(copy.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program);
  HWND dialog = dialogOf(program.dwThreadId, nullptr);
  SetDlgItemTextA(dialog, 1002, "Achse");
  HWND results = GetDlgItem(dialog, 1008);
  char row[600] = {};
  SendMessageA(results, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    PostMessageA(results, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
  }
  PostMessageA(dialogOf(program.dwThreadId, dialog), WM_COMMAND, IDOK, 0);
  const Arguments expected = {L"-page", std::to_wstring(std::atoi(row) + 56), pdf};
  CHECK(std::atoi(row) > 0 && recordedArguments() == expected, std::string("a double-click on ") + row);
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(program.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(program.hProcess, 1);
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  DeleteFileW(copy.c_str());
  DeleteFileW(pdf.c_str());
}

struct Case {
  const wchar_t* program;  // the association's, in the programs folder; none: no association
  std::wstring document;
  ViewerStart start;
  Arguments arguments;  // as the viewer reads them
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::wstring programs = windowsPath(argv[1]);
  CreateDirectoryW(folder.c_str(), nullptr);
  SetEnvironmentVariableW(L"VIEWER_RECORD", record.c_str());
  const std::wstring odd = folder + L"-Band \"2\" \u00e4\u00f6\u00fc.pdf";
  const std::wstring greeting = folder + L"-Gr\u00fc\u00dfe aus K\u00f6ln.pdf";
  CloseHandle(CreateFileW(greeting.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const Case cases[] = {
      {L"SumatraPDF.exe", odd, ViewerStart::started, {L"-page", L"412", odd}},
      {L"AcroRd32.exe", odd, ViewerStart::started, {L"/A", L"page=412", odd}},
      {L"MSEdge.exe", odd, ViewerStart::started,
       {L"file:///C:/B%C3%BCcher%20Regal/-Band%20%222%22%20%C3%A4%C3%B6%C3%BC.pdf#page=412"}},
      {L"pdf-leser.exe", greeting, ViewerStart::started, {greeting}},
      {L"missing\\SumatraPDF.exe", odd, ViewerStart::failed, {}},
      {L"", greeting, ViewerStart::noViewer, {}},
  };
  for (const Case& c : cases) {
    associate(programs, c.program);
    const ViewerStart start = showDocumentAtPage(utf8Of(c.document).c_str(), 412);
    const std::string about = utf8Of(std::wstring(c.program) + L": " + c.document);
    CHECK(start == c.start, about + ", start " + std::to_string(static_cast<int>(start)));
    if (c.start == ViewerStart::started) CHECK(recordedArguments() == c.arguments, about);
  }
  associate(programs, L"SumatraPDF.exe");
  checkDoubleClick(windowsPath(argv[2]));
  associate(programs, L"");
  DeleteFileW(greeting.c_str());
  RemoveDirectoryW(folder.c_str());
  return checkSummary("test_viewer");
}
