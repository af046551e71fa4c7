// A stand-in for a document viewer: writes its whole command line, UTF-8, to
// the file that VIEWER_RECORD names, and ends at once. Written beside and
// then moved, so that the file is whole once it is there.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t record[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"VIEWER_RECORD", record, MAX_PATH) == 0) return 2;
  const wchar_t* commandLine = GetCommandLineW();
  const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, utf8.data(), size, nullptr, nullptr);
  const std::wstring part = std::wstring(record) + L".part";
  HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size() - 1), &written, nullptr);
  CloseHandle(file);
  return MoveFileExW(part.c_str(), record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
