// The results list: rebuilt from scratch from the three slots on every change
// of a term or of the distance.
#include "dialog/slots.h"

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

}  // namespace

void refreshResults(HWND dialog) {
  HWND list = GetDlgItem(dialog, resultsListId);
  if (list == nullptr) return;
  suspendDrawing(list);
  fillResults(list);
  resumeDrawing(list);
}
