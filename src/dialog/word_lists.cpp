// The three word lists: refilled on every change of their term fields, and
// the source of a new term when the user picks a word line.
#include <cstring>

#include "dialog/list_lines.h"
#include "dialog/term_slots.h"

namespace {

LPARAM textParam(const char* text) { return reinterpret_cast<LPARAM>(text); }

LONG lineWidth(HDC context, const char* line) {
  SIZE size{};
  // A line that cannot be measured does not widen the list.
  if (!GetTextExtentPoint32A(context, line, static_cast<int>(std::strlen(line)), &size)) return 0;
  return size.cx;
}

// Adds the line of every match from `entry` on and widens the scroll range to
// the widest of them; the lookup's own message, if it stopped at its limit,
// goes on top.
void fillWordLines(HWND dialog, HWND list, int slot, const WordEntry* entry) {
  LONG widest = 0;
  HDC context = GetDC(dialog);
  for (; entry != nullptr; entry = findNextMatch(slot, entry)) {
    formatWordLine(entry);
    SendMessageA(list, LB_ADDSTRING, 0, textParam(searchState.lineText));
    LONG width = lineWidth(context, searchState.lineText);
    if (width > widest) widest = width;
  }
  if (searchState.message != nullptr) showMessageLine(list, searchState.message, true);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
  ReleaseDC(dialog, context);
}

// Copies a list's selected line into termText; false when there is none or
// when it could not hold it.
bool copySelectedLine(HWND list) {
  LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return false;
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length < 0 || length >= static_cast<LRESULT>(textSize)) return false;
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(selected), textParam(searchState.termText));
  return true;
}

}  // namespace

void updateWordList(HWND dialog, int slot) {
  if (!isTermSlot(slot)) return;
  HWND field = GetDlgItem(dialog, termFieldOf(slot));
  if (field == nullptr) return;
  SendMessageA(field, WM_GETTEXT, textSize, textParam(searchState.termText));
  HWND list = GetDlgItem(dialog, wordListOf(slot));
  if (list == nullptr) return;
  suspendDrawing(list);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, 0, 0);
  const WordEntry* first = findFirstMatch(slot);
  if (first != nullptr) {
    fillWordLines(dialog, list, slot, first);
  } else if (searchState.message != nullptr) {
    showMessageLine(list, searchState.message, false);
  }
  resumeDrawing(list);
  refreshResults(dialog);
}

void takeSelectedWord(HWND dialog, int slot) {
  if (!isTermSlot(slot)) return;
  HWND list = GetDlgItem(dialog, wordListOf(slot));
  if (list == nullptr || !copySelectedLine(list)) return;
  char* word = searchState.termText;
  if (isMessageLine(word)) return;
  if (char* comma = std::strchr(word, ',')) *comma = '\0';
  HWND field = GetDlgItem(dialog, termFieldOf(slot));
  // The field copies the word before it reports the change, and the change
  // runs updateWordList for this slot right here, which reuses termText.
  if (field != nullptr) SendMessageA(field, WM_SETTEXT, 0, textParam(word));
}
