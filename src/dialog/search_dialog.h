// The search dialog: three term fields with their word lists, the results
// list and the distance field, driven by searchDialogProc.
#pragma once

#include <cstddef>

#include "index/word_index.h"
#include "platform/win32/win32.h"

// The controls of the search dialog's template. No control bears the close
// command: the dialog sends it to itself when the window is closed.
constexpr int closeCommandId = 1001;
constexpr int firstTermFieldId = 1002;   // 1002..1004, slots 0..2
constexpr int firstWordListId = 1005;    // 1005..1007, slots 0..2
constexpr int resultsListId = 1008;
constexpr int distanceFieldId = 1009;

// Word lists: a term field's change refills its list; a user's pick of a
// word line makes the word the slot's term.
void updateWordList(HWND dialog, int slot);
void takeSelectedWord(HWND dialog, int slot);

// Results list: rebuilt from the three slots; the distance field's change
// rereads the distance first.
void refreshResults(HWND dialog);
void updateDistance(HWND dialog);

// Results list: a double-click on a row opens the book at the row's first
// page, through the program's services, told the word to find there; a
// message line opens nothing.
void openResultRow(HWND dialog);

// The word on `page` the viewer is told to find: of the first term slot
// whose page map holds a hit there, the first word of its list that stands
// on the page, its display word (cp1252) into `word`. Read from the lists,
// the page maps and the index alone: nothing the dialog shows or keeps
// changes. False when no slot holds a hit there.
bool findWordOnPage(HWND dialog, int page, char* word, size_t size);

// What the dialog asks of the program around it, given as DialogBoxParamA's
// init parameter; null, or a null member, asks nothing.
struct SearchDialogServices {
  // The reader asked to see printed page `printedPage` of the book, where
  // `word` (cp1252, not empty) stands.
  void (*openBookAtPage)(HWND dialog, int printedPage, const char* word);
};
const SearchDialogServices* searchDialogServices();

INT_PTR CALLBACK searchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shown instead of the dialog when the built-in data sets are missing or
// refused (cp1252).
extern const char damagedDataMessage[];   // the built-in data sets
extern const char damagedFileMessage[];   // data sets given as files
extern const char unreadableFileMessage[];
extern const char programName[];

// The damaged-data message and, on a second line, the data set (`source`, or
// the built-in data set's name when null), the byte offset and the broken
// rule; cut to fit `size`.
constexpr size_t refusalTextSize = 400;
void formatRefusal(const DataSetFault& fault, const char* source, char* text, size_t size);
