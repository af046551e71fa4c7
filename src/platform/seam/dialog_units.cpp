// Dialog units and pixels, for the models and every backend alike.
#include <cassert>
#include <cmath>

#include "platform/seam/backend.h"
#include "platform/seam/model_readers.h"

namespace {

int mulDiv(int value, int numerator, int denominator) {
  assert(denominator > 0);
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

int horizontalPixels(int dialogUnits) { return mulDiv(dialogUnits, activeBackend().dialogBaseUnits().cx, 4); }
int verticalPixels(int dialogUnits) { return mulDiv(dialogUnits, activeBackend().dialogBaseUnits().cy, 8); }

PixelRect windowPixels(HWND window) {
  int16_t x, y, cx, cy;
  windowRect(window, &x, &y, &cx, &cy);
  return {horizontalPixels(x), verticalPixels(y), horizontalPixels(cx), verticalPixels(cy)};
}

const char baseUnitLetters[53] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

SIZE baseUnitsOfFont(int widthOfLetters, int lineHeight) {
  assert(widthOfLetters >= 0 && lineHeight >= 0);
  return SIZE{(widthOfLetters / 26 + 1) / 2, lineHeight};
}
