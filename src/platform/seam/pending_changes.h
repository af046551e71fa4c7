// The changes a backend was told of and has not shown yet. A backend notes a
// model's change while the dialog handles an event and shows it once the
// event has been handled: no element is rebuilt inside its own event
// handling, and a change made many times is shown once.
#pragma once

#include "platform/seam/backend.h"
#include "platform/win32/win32_types.h"

void notePendingChange(HWND window, ControlChange change);
// A window just made: everything about it is still to show.
void noteEveryChangePending(HWND window);
// Shows each pending change, window by window in the order of their
// handles; a change noted while showing is shown too.
void showPendingChanges(void (*show)(HWND window, ControlChange change));
void forgetPendingChanges();
