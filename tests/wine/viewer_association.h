// What the Windows viewer tests share: the .pdf association led to the
// recorder under a viewer's name, the recorder's command line read back,
// and the real quirel.exe's dialogs found and a result row double-clicked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

using Arguments = std::vector<std::wstring>;

std::string utf8Of(const std::wstring& wide);
// A Unix or Windows path in UTF-8 as Windows writes it.
std::wstring windowsPath(const char* utf8);

// The association's "open" runs `program` from the programs folder; none
// when it is empty.
void associate(const std::wstring& programs, const std::wstring& program);

// The arguments after the program's own name, once the recorder has written
// them into `record` (which is then removed); none after 30 s.
Arguments recordedArguments(const std::wstring& record);

// A visible dialog of the thread other than `other`, within 60 s.
HWND dialogOf(DWORD thread, HWND other);

// The first result row of `term` in the dialog, double-clicked with the
// mouse's messages; the row's text.
std::string doubleClickFirstRow(HWND dialog, const char* term);
