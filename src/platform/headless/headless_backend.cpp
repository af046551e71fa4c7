// The backend without a screen: it draws nothing, has no user of its own
// (whoever drives the dialog does so from inside it), and measures text with
// fixed metrics, so that widths are the same on every machine:
//   every character, tab included, is 7 pixels wide and 16 pixels high;
//   the dialog base units are 7 by 16 pixels (a dialog unit is 1.75 pixels
//   wide and 2 pixels high).
// Messages for the user go to standard error.
#include <cstdio>

#include "platform/seam/backend.h"
#include "platform/win32/cp1252.h"

namespace {

constexpr LONG characterWidth = 7;
constexpr LONG characterHeight = 16;

// There is no screen to refuse the dialog: it is always created.
bool alwaysCreated(HWND) { return true; }
void nothingToDraw(HWND) {}
void nothingChanges(HWND, ControlChange) {}
bool noUser(HWND) { return false; }

bool fixedWidth(HWND, const char*, int length, SIZE* size) {
  size->cx = characterWidth * length;
  size->cy = characterHeight;
  return true;
}

SIZE fixedBaseUnits() { return SIZE{characterWidth, characterHeight}; }

void toStandardError(const char*, const char* text) {
  std::string line = cp1252ToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

constexpr Backend headless = {
    alwaysCreated, nothingToDraw, nothingToDraw, nothingChanges,
    noUser, fixedWidth, fixedBaseUnits, toStandardError,
};

}  // namespace

const Backend& activeBackend() { return headless; }
