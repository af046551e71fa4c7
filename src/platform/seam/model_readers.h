// What a backend reads from the window and control models to draw them. The
// models own the state; a backend only looks, between two calls of its own
// table (backend.h), and never keeps a pointer it was given here.
#pragma once

#include <cstdint>

#include "platform/win32/win32_types.h"

enum class WindowKind { dialog, edit, listBox, label };

WindowKind windowKind(HWND window);
int windowId(HWND window);
uint32_t windowStyle(HWND window);
void windowRect(HWND window, int16_t* x, int16_t* y, int16_t* cx, int16_t* cy);  // dialog units
const char* windowText(HWND window);            // edit, label, dialog caption
int dialogControlCount(HWND dialog);
HWND dialogControl(HWND dialog, int index);     // in template order
int listLineCount(HWND list);
const char* listLine(HWND list, int index);
int listSelection(HWND list);                   // -1 for none
int listHorizontalExtent(HWND list);            // pixels
int listTabStopCount(HWND list);
const int* listTabStops(HWND list);             // dialog template units

