#include "viewer_association.h"

#include <shellapi.h>

namespace {

void setDefault(const wchar_t* key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(), static_cast<DWORD>(2 * value.size() + 2));
}

BOOL CALLBACK takeDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  HWND& other = *reinterpret_cast<HWND*>(found);
  if (std::string(name) != "#32770" || !IsWindowVisible(window) || window == other) return TRUE;
  other = window;
  return FALSE;
}

}  // namespace

std::string utf8Of(const std::wstring& wide) {
  std::string utf8(4 * wide.size() + 1, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(),
                                                           static_cast<int>(utf8.size()), nullptr, nullptr) - 1));
  return utf8;
}

std::wstring windowsPath(const char* utf8) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, path.data(), MAX_PATH) - 1));
  for (wchar_t& character : path) character = character == L'/' ? L'\\' : character;
  return path;
}

// (Wine's classes root is the machine's: the user's own classes do not
// reach it.)
void associate(const std::wstring& programs, const std::wstring& program) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pdf");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TestViewer.Document");
  if (program.empty()) return;
  setDefault(L".pdf", L"TestViewer.Document");
  setDefault(L"TestViewer.Document\\shell\\open\\command", L"\"" + programs + L"\\" + program + L"\" \"%1\"");
}

Arguments recordedArguments(const std::wstring& record) {
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

HWND dialogOf(DWORD thread, HWND other) {
  for (int waited = 0; waited < 1200; ++waited, Sleep(50)) {
    HWND found = other;
    EnumThreadWindows(thread, takeDialog, reinterpret_cast<LPARAM>(&found));
    if (found != other) return found;
  }
  return nullptr;
}

std::string doubleClickFirstRow(HWND dialog, const char* term) {
  SetDlgItemTextA(dialog, 1002, term);
  HWND results = GetDlgItem(dialog, 1008);
  char row[600] = {};
  SendMessageA(results, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    PostMessageA(results, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
  }
  return row;
}
