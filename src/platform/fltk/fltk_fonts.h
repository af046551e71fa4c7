// The fonts of the window: the dialog's font, in which every control is drawn
// and measured, and the stand-in for the system's default font, which is what
// a device context of the dialog window itself measures in.
#pragma once

#include <FL/Enumerations.H>

#include "platform/win32/win32_types.h"

struct FontChoice {
  Fl_Font face;
  Fl_Fontsize pixels;
};

// Both need the display to be open.
FontChoice dialogFont();
FontChoice systemFont();

// Width and height of cp1252 text in a font, in whole pixels.
SIZE measureText(FontChoice font, const char* cp1252, int length);

// The dialog base units of the dialog's font (backend.h: baseUnitsOfFont).
SIZE dialogFontBaseUnits();
