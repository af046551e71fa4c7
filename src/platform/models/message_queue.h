// The queue of posted messages, emptied by the modal loop.
#pragma once

#include "platform/win32/win32_types.h"

// Delivers the oldest posted message; false when none waits.
bool deliverPostedMessage();
// Forgets the messages posted to a dialog or its controls.
void dropPostedMessages(HWND dialog);
