// The modal dialog taken apart, for a backend whose own event loop must not
// be blocked (a browser's, say). DialogBoxParamA runs these steps itself:
//
//   HWND dialog = beginModalDialog(...);        // created, initialised, shown
//   while (!modalDialogEnded(dialog))
//     deliverPostedMessage() || waitForUser;    // one message at a time
//   INT_PTR result = finishModalDialog(dialog); // destroyed, EndDialog's value
//
// A backend that drives the loop from outside calls beginModalDialog, then,
// from each of its own events, the user actions and stepModalDialog, and
// finishModalDialog once modalDialogEnded says so.
#pragma once

#include "platform/win32/win32_types.h"

// Null when there is no such template or the backend cannot show the dialog.
HWND beginModalDialog(LPCSTR templateName, DLGPROC procedure, LPARAM initParam);
// Delivers the oldest posted message; false when none was waiting.
bool stepModalDialog();
bool modalDialogEnded(HWND dialog);
INT_PTR finishModalDialog(HWND dialog);
