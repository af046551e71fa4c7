// One line of a word list: the display word and its pages, or its page count
// when it has more than 20.
#include <cstdio>
#include <cstring>

#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

constexpr uint32_t pagesShown = 20;

// Appends within lineText; a conforming word index never comes near its end.
template <typename... Values>
void appendToLine(const char* format, Values... values) {
  char* line = searchState.lineText;
  std::size_t used = std::strlen(line);
  std::snprintf(line + used, textSize - used, format, values...);
}

}  // namespace

void formatWordLine(const WordEntry* entry) {
  std::snprintf(searchState.lineText, textSize, "%s", displayWordOf(entry));
  int32_t count = pageCountOf(entry);
  // Widened with its sign, then taken unsigned: a negative count would show
  // as a count.
  if (static_cast<uint32_t>(count) <= pagesShown) {
    for (int32_t i = 0; i < count; ++i) appendToLine(", %d", static_cast<int>(pageOf(entry, i)));
  } else {
    appendToLine(", [%d Seiten]", static_cast<int>(count));
  }
}
