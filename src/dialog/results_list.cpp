// The results list: rebuilt from scratch from the three slots on every change
// of a term or of the distance.
#include <cassert>

#include "dialog/list_lines.h"
#include "dialog/search_dialog.h"
#include "search/search_state.h"

namespace {

const char messageNoCombination[] = "[Keine Verkn\xFCpfung der Suchbegriffe gefunden]";

// A failed term counts -1 and cancels a found word of another term.
int32_t sumOfHitCounts() {
  int32_t sum = 0;
  for (int slot = 0; slot < termSlots; ++slot) sum += searchState.hitCount[slot];
  return sum;
}

// Adds every result row; false when not a single one came.
bool addResultRows(HWND list) {
  bool anyRow = false;
  resetResultRows();
  while (nextResultRow()) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(searchState.lineText));
    anyRow = true;
  }
  return anyRow;
}

void fillResults(HWND list) {
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  if (!combineTerms()) {
    if (searchState.message != nullptr) showMessageLine(list, messageSlotOverLimit, false);
    return;
  }
  if (!addResultRows(list) && sumOfHitCounts() > 0) {
    showMessageLine(list, messageNoCombination, false);
  }
}

// A row begins with its first page: "412 - 414<tab>..." or "412<tab>...".
int firstPageOf(const char* row) {
  int page = 0;
  for (const char* digit = row; *digit >= '0' && *digit <= '9' && page < pageLimit; ++digit) {
    page = page * 10 + (*digit - '0');
  }
  return page;
}

}  // namespace

void openResultRow(HWND dialog) {
  const SearchDialogServices* services = searchDialogServices();
  HWND list = GetDlgItem(dialog, resultsListId);
  if (services == nullptr || services->openBookAtPage == nullptr || list == nullptr) return;
  LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
  LRESULT length = row == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  char text[textSize];
  if (length < 0 || length >= static_cast<LRESULT>(sizeof text)) return;
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
  int page = firstPageOf(text);
  if (isMessageLine(text) || page == 0) return;
  // A result range begins on a term's hit, so some slot's word stands there.
  char word[textSize];
  [[maybe_unused]] const bool found = findWordOnPage(dialog, page, word, sizeof word);
  assert(found);
  services->openBookAtPage(dialog, page, word);
}

void refreshResults(HWND dialog) {
  HWND list = GetDlgItem(dialog, resultsListId);
  if (list == nullptr) return;
  suspendDrawing(list);
  fillResults(list);
  resumeDrawing(list);
}
