// searchDialogProc: one row per message, one small handler per row.
#include <cstdio>

#include "dialog/term_slots.h"

namespace {

constexpr int anyCode = -1;

struct CommandRow {
  int id;
  int code;            // compared whole with the notification code
  void (*handler)(HWND dialog, int slot);
  int slot;
  INT_PTR result;
};

// Given at WM_INITDIALOG; the dialog runs once at a time.
const SearchDialogServices* services = nullptr;

void endSearchDialog(HWND dialog, int) { EndDialog(dialog, 0); }
void distanceChanged(HWND dialog, int) { updateDistance(dialog); }
void resultRowOpened(HWND dialog, int) { openResultRow(dialog); }

constexpr CommandRow commandRows[] = {
    {closeCommandId, anyCode, endSearchDialog, 0, TRUE},
    {termFieldOf(0), EN_CHANGE, updateWordList, 0, FALSE},
    {termFieldOf(1), EN_CHANGE, updateWordList, 1, FALSE},
    {termFieldOf(2), EN_CHANGE, updateWordList, 2, FALSE},
    {wordListOf(0), LBN_SELCHANGE, takeSelectedWord, 0, FALSE},
    {wordListOf(1), LBN_SELCHANGE, takeSelectedWord, 1, FALSE},
    {wordListOf(2), LBN_SELCHANGE, takeSelectedWord, 2, FALSE},
    {resultsListId, LBN_DBLCLK, resultRowOpened, 0, FALSE},
    {distanceFieldId, EN_CHANGE, distanceChanged, 0, FALSE},
};

// IDOK and IDCANCEL (Enter and Escape) and the results list's other
// notifications find no row: the dialog stays open.
INT_PTR onCommand(HWND dialog, WPARAM wParam) {
  int id = LOWORD(wParam);
  int code = HIWORD(wParam);
  for (const CommandRow& row : commandRows) {
    if (row.id == id && (row.code == anyCode || row.code == code)) {
      row.handler(dialog, row.slot);
      return row.result;
    }
  }
  return FALSE;
}

// Each list reserves, once, the storage of its fullest refill, so that no
// keystroke needs the heap: a word list holds at most the word limit's lines
// and the message line, the results list at most one row per run of pages
// (or its message); every line fits lineText.
void reserveListStorage(HWND dialog) {
  constexpr WPARAM wordLines = wordLimit + 1;
  constexpr WPARAM resultRows = (pageLimit + 1) / 2;
  for (int slot = 0; slot < termSlots; ++slot) {
    HWND list = GetDlgItem(dialog, wordListOf(slot));
    if (list != nullptr) SendMessageA(list, LB_INITSTORAGE, wordLines, static_cast<LPARAM>(wordLines * textSize));
  }
  HWND results = GetDlgItem(dialog, resultsListId);
  if (results != nullptr) SendMessageA(results, LB_INITSTORAGE, resultRows, static_cast<LPARAM>(resultRows * textSize));
}

INT_PTR onInitDialog(HWND dialog, LPARAM initParam) {
  static int tabStop[] = {50};
  services = reinterpret_cast<const SearchDialogServices*>(initParam);
  HWND results = GetDlgItem(dialog, resultsListId);
  if (results != nullptr) SendMessageA(results, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(tabStop));
  reserveListStorage(dialog);
  distance = 1;
  HWND field = GetDlgItem(dialog, distanceFieldId);
  if (field != nullptr) {
    std::snprintf(distanceText, sizeof distanceText, "%d", static_cast<int>(distance));
    // The field reports its change at once: updateDistance runs in here.
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(distanceText));
  }
  // TRUE: the focus goes to the first control with a tab stop, term field 1002.
  return TRUE;
}

INT_PTR onSystemCommand(HWND dialog, WPARAM wParam) {
  // The close command is delivered at once and ends the dialog before this
  // returns; the system's own handling that follows changes nothing.
  if (wParam == SC_CLOSE) SendMessageA(dialog, WM_COMMAND, closeCommandId, 0);
  return FALSE;
}

}  // namespace

const SearchDialogServices* searchDialogServices() { return services; }

INT_PTR CALLBACK searchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return onInitDialog(dialog, lParam);
    case WM_COMMAND: return onCommand(dialog, wParam);
    case WM_SYSCOMMAND: return onSystemCommand(dialog, wParam);
    default: return FALSE;
  }
}
