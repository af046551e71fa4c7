// Which controls belong to a term slot.
#pragma once

#include "dialog/search_dialog.h"
#include "search/search_state.h"

inline bool isTermSlot(int slot) { return slot >= 0 && slot < termSlots; }
inline int termFieldOf(int slot) { return firstTermFieldId + slot; }
inline int wordListOf(int slot) { return firstWordListId + slot; }

// A list line that begins with "[" is a message, never a word.
inline bool isMessageLine(const char* line) { return line[0] == '['; }

// A refill of a list is drawn once, at its end: its drawing is suspended
// while its lines go in, for a list box that redraws itself after every
// added line takes a third of a second to refill 101 lines.
void suspendDrawing(HWND list);
void resumeDrawing(HWND list);

// Adds a message line at the top of a list and selects it; the selection set
// here is not reported back to the dialog.
void showMessageLine(HWND list, const char* message, bool above);
