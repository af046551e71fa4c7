// The word a double-click on a result row tells the viewer to find on the
// row's page. It is read from what the dialog already holds: the term slots'
// page maps, the lines of their word lists and, through an exact read-only
// lookup, the index; nothing it shows or keeps is written.
#include <cassert>
#include <cstring>

#include "dialog/list_lines.h"
#include "dialog/term_slots.h"

namespace {

// The first slot with a hit on the page: 1 in its map (an empty slot's map
// holds the fill byte, a failed one zeros); -1 for none.
int firstSlotHolding(int page) {
  for (int slot = 0; slot < termSlots; ++slot) {
    if (searchState.termPages[slot][page] == 1) return slot;
  }
  return -1;
}

// Line `index` of a list into `line`, cut to its display word before the
// first ", "; false for a message line or one that does not fit.
bool displayWordOfLine(HWND list, WPARAM index, char* line, size_t size) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length < 0 || static_cast<size_t>(length) >= size) return false;
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line));
  if (isMessageLine(line)) return false;
  if (char* pages = std::strstr(line, ", ")) *pages = '\0';
  return true;
}

}  // namespace

bool findWordOnPage(HWND dialog, int page, char* word, size_t size) {
  assert(page >= 0 && page < pageLimit && word != nullptr && size > 0);
  const int slot = firstSlotHolding(page);
  HWND list = slot < 0 ? nullptr : GetDlgItem(dialog, wordListOf(slot));
  if (list == nullptr) return false;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    if (!displayWordOfLine(list, static_cast<WPARAM>(index), word, size)) continue;
    const WordEntry* entry = entryOfDisplayWord(word);
    if (entry != nullptr && entryHasPage(entry, page)) return true;
  }
  word[0] = '\0';
  return false;
}
