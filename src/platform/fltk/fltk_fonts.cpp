#include "platform/fltk/fltk_fonts.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <cassert>
#include <cmath>
#include <cstring>
#include <string>

#include "platform/seam/backend.h"
#include "platform/win32/cp1252.h"

namespace {

// Ten points at the 96 pixels per inch that Windows assumes, as the dialog
// manager sizes the template's font.
constexpr Fl_Fontsize dialogFontPixels = 13;
// The system font is a bold sans, a size above the dialog's font.
constexpr Fl_Fontsize systemFontPixels = 14;

// Fontconfig gives "Arial" where it is installed, a font with its metrics
// where one is aliased to it, and the default sans otherwise.
Fl_Font registeredFace(Fl_Font slot, const char* xftName) {
  static bool registered[2] = {false, false};
  bool& done = registered[slot - FL_FREE_FONT];
  if (!done) Fl::set_font(slot, xftName);
  done = true;
  return slot;
}

}  // namespace

FontChoice dialogFont() { return {registeredFace(FL_FREE_FONT, " Arial"), dialogFontPixels}; }

FontChoice systemFont() { return {registeredFace(FL_FREE_FONT + 1, "BArial"), systemFontPixels}; }

SIZE measureText(FontChoice font, const char* cp1252, int length) {
  assert(cp1252 != nullptr || length == 0);
  std::string utf8 = cp1252ToUtf8(std::string_view(cp1252, static_cast<std::size_t>(length)));
  fl_font(font.face, font.pixels);
  return SIZE{static_cast<LONG>(std::lround(fl_width(utf8.data(), static_cast<int>(utf8.size())))),
              static_cast<LONG>(fl_height())};
}

SIZE dialogFontBaseUnits() {
  static SIZE units{};
  if (units.cx == 0) {
    SIZE all = measureText(dialogFont(), baseUnitLetters, static_cast<int>(std::strlen(baseUnitLetters)));
    units = baseUnitsOfFont(all.cx, all.cy);
  }
  return units;
}
