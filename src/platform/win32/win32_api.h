// The Win32 functions that the dialog code, its program entry and the script
// driver call; nothing more.
#pragma once

#include "platform/win32/win32_types.h"

// Modules and the program entry.
HMODULE GetModuleHandleA(LPCSTR moduleName);
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

// Resources: the data sets the executable carries.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
DWORD SizeofResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL loaded);

// Dialogs and messages.
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                        DLGPROC dialogProc, LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HWND GetFocus();
BOOL IsWindow(HWND window);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);

// Measuring text.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC context);
BOOL GetTextExtentPoint32A(HDC context, LPCSTR text, int length, SIZE* size);

// Telling the user.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
