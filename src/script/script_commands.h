// The commands of a dialog script, one per line, carried out on the running
// search dialog through its messages, as a user's actions would be:
//   term N TEXT     set term field N (1..3)
//   pick N K        the user selects line K of word list N
//   open K          the user double-clicks row K of the results list; the
//                   driver starts no viewer, it prints "open: FILE page N
//                   word WORD" (the PDF's name without its folder, N its PDF
//                   page, WORD the word the viewer is told to find there)
//   distance TEXT   set the distance field
//   show            print the visible state
//   close           the window's close command
// Blank lines and lines beginning with '#' are skipped.
#pragma once

#include <string>

#include "platform/win32/win32.h"

enum class ScriptStep { next, closed, failed };

// Where `pick` and `show` meet the dialog. The driver's own surface is the
// dialog's messages; a page's driver clicks its own lines and reads back
// what its own controls display. Text here is UTF-8.
struct ScriptSurface {
  void (*clickLine)(HWND dialog, int listId, int index);
  void (*doubleClickLine)(HWND dialog, int listId, int index);
  std::string (*fieldText)(HWND field);
  int (*lineCount)(HWND list);
  int (*selectedLine)(HWND list);            // -1 for none
  std::string (*lineText)(HWND list, int index);
  // After each line, before the next: what the surface must do for the
  // dialog to stand still (the page shows what changed); may be null.
  void (*settle)();
};
extern const ScriptSurface messageSurface;

ScriptStep runScriptLine(HWND dialog, const std::string& line,
                         const ScriptSurface& surface = messageSurface);
