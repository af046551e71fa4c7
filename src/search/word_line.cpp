// One line of a word list: the display word and its pages, or its page count
// when it has more than 20.
#include "search/search_state.h"

// The line is built with its length in hand; a conforming word index never
// comes near the end of lineText, and anything beyond it is cut.
void formatWordLine(const WordEntry* entry) {
  char* line = searchState.lineText;
  uint32_t used = appendText(line, 0, displayWordOf(entry));
  const unsigned char* pages = pagesOf(entry);
  int32_t count = pageCountBefore(pages);
  // Widened with its sign, then taken unsigned: a negative count would show
  // as a count.
  if (static_cast<uint32_t>(count) <= pagesShown) {
    for (int32_t i = 0; i < count; ++i) used = appendDecimal(line, appendText(line, used, ", "), pageIn(pages, i));
  } else {
    used = appendDecimal(line, appendText(line, used, ", ["), count);
    appendText(line, used, " Seiten]");
  }
}
