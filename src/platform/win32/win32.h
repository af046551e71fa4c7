// The one window-system header of the dialog code. On Windows it is the real
// thing; everywhere else our own layer offers the same names with the same
// meaning, so the dialog code compiles unchanged on both.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/win32/win32_types.h"
#include "platform/win32/win32_api.h"
#endif
