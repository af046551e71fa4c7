// Building a line in a textSize buffer piece by piece, with the running
// length kept by the caller: no piece measures the line again, and none
// writes past the buffer, which always ends in a NUL. A piece that does not
// fit is cut where the buffer ends, as the C library's bounded printing cuts.
#include <cassert>

#include "search/search_state.h"

uint32_t appendText(char* line, uint32_t used, const char* text) {
  assert(line != nullptr && text != nullptr && used < textSize);
  char* at = line + used;
  char* last = line + textSize - 1;
  while (at < last && *text != '\0') *at++ = *text++;
  *at = '\0';
  return static_cast<uint32_t>(at - line);
}

// "%d": digits from the last one backward into a scratch, then appended.
uint32_t appendDecimal(char* line, uint32_t used, int32_t value) {
  char digits[12];
  char* first = digits + sizeof digits - 1;
  *first = '\0';
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--first = '-';
  return appendText(line, used, first);
}
