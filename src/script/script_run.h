// A whole run of a dialog script on an open dialog: its lines read from the
// script's input until it ends, fails or closes the dialog, what the reader
// would be told, and what the driver prints at the end with its exit status.
#pragma once

#include "platform/win32/win32.h"
#include "script/script_commands.h"

// Carries out the input's lines on `dialog`; gives the step that ended the
// run (next: the input ended with the dialog still open).
ScriptStep runScript(HWND dialog, const ScriptSurface& surface = messageSurface);

// A message the program would show in a box, on the script's standard error
// in UTF-8 (a book's PDF not found, say).
void tellOnScriptErrors(HWND dialog, const char* cp1252Text);

// The end of a run: "exit N" after the close command, an error when the
// dialog could not be created. Gives the exit status: 0 after the script,
// 1 when the dialog could not be created, 2 for a failed line.
int finishScript(ScriptStep last, INT_PTR dialogResult);
