// What the word lists and the results list do alike: show a message line,
// and draw a refill once.
#pragma once

#include "platform/win32/win32.h"

// A list line that begins with "[" is a message, never a word.
inline bool isMessageLine(const char* line) { return line[0] == '['; }

// A refill of a list is drawn once, at its end: its drawing is suspended
// while its lines go in, for a list box that redraws itself after every
// added line takes a third of a second to refill 101 lines.
void suspendDrawing(HWND list);
void resumeDrawing(HWND list);

// Puts a message line at the top of a list and selects it: `above` the lines
// the list holds, or into an empty list. The selection set here is not
// reported back to the dialog.
void showMessageLine(HWND list, const char* message, bool above);
