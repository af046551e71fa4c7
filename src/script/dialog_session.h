// Running the search dialog with something to do once it is open: the
// script driver, the tests, the benchmarks and the fuzz targets all drive the
// real dialog from inside its own modal loop, as a user's actions would.
#pragma once

#include "platform/win32/win32.h"

// Runs dialog `dialogId` of the program's resources (the search dialog's
// template: app/resource_numbers.h) with `procedure` (searchDialogProc, or
// one that wraps it).
// Once WM_INITDIALOG has been handled, `firstAction` runs from the message
// queue, as a user's first action would arrive; it may end the dialog or
// leave it open. `services` is the dialog's init parameter (search_dialog.h).
// Gives DialogBoxParamA's result. Not reentrant: one session at a time.
using SessionAction = void (*)(HWND dialog, void* context);
INT_PTR runDialogSession(int dialogId, SessionAction firstAction, void* context, DLGPROC procedure,
                         const void* services = nullptr);
