// Which controls belong to a term slot.
#pragma once

#include "dialog/search_dialog.h"
#include "search/search_state.h"

inline bool isTermSlot(int slot) { return slot >= 0 && slot < termSlots; }
inline int termFieldOf(int slot) { return firstTermFieldId + slot; }
inline int wordListOf(int slot) { return firstWordListId + slot; }

// A list line that begins with "[" is a message, never a word.
inline bool isMessageLine(const char* line) { return line[0] == '['; }

// Adds a message line at the top of a list and selects it; the selection set
// here is not reported back to the dialog.
void showMessageLine(HWND list, const char* message, bool above);
