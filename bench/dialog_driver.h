// The real search dialog on the headless layer, driven from inside its own
// modal loop, as a user's actions would drive it.
#pragma once

#include "platform/win32/win32.h"

// Opens the search dialog and, once it has been initialised, runs `body`
// from its message queue as a user's first action would; then ends it.
INT_PTR runInsideSearchDialog(void (*body)(HWND dialog));

// One keystroke's worth of change: the field's text becomes `text`, and its
// change notification runs the whole handling before this returns.
void typeInto(HWND dialog, int controlId, const char* text);
