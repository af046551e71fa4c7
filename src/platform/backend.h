// The seam between the window system's control models and whatever shows them
// to a user: a headless backend for tests and the script driver, a real window
// for people. The models (edit field, list box, label, dialog) own all state
// and all Windows behaviour; a backend only draws that state, measures text,
// and turns its user's actions into the calls at the end of this header.
//
// Text crossing this seam is cp1252, as inside the models; a backend converts
// to and from UTF-8 at its own drawing and reading edge (platform/cp1252.h).
#pragma once

#include <cstdint>

#include "platform/win32_types.h"

enum class WindowKind { dialog, edit, listBox, label };

// What changed in a model, so the backend can redraw just that.
enum class ControlChange {
  text,               // edit field or label text, dialog caption
  lines,              // list box lines added, inserted or removed
  selection,          // list box selected line
  horizontalExtent,   // list box horizontal scroll range
  tabStops,           // list box tab stops
  focus,              // the dialog's focused control
};

// Provided by exactly one backend linked into the executable.
struct Backend {
  // The dialog and all its controls exist, before WM_INITDIALOG. False when
  // the backend cannot show it (no display): the dialog then cannot be
  // created, and DialogBoxParamA fails.
  bool (*dialogCreated)(HWND dialog);
  // WM_INITDIALOG has run; the dialog becomes visible.
  void (*dialogShown)(HWND dialog);
  // The modal loop ended; the dialog and its controls are about to go.
  void (*dialogDestroyed)(HWND dialog);
  void (*controlChanged)(HWND window, ControlChange change);
  // Waits for the user and delivers at least one action through the calls
  // below (or lets a posted message arrive). False when no user action can
  // ever come: the modal loop then gives up on the dialog.
  bool (*waitForUser)(HWND dialog);
  // Size of a line of text in pixels; tabs are glyphs. A control measures in
  // the dialog's font; the dialog window itself, into whose device context
  // no font was ever selected, in the system's default font.
  bool (*measureText)(HWND window, const char* text, int length, SIZE* size);
  // Horizontal and vertical dialog base units in pixels: one dialog unit is a
  // quarter of the first, an eighth of the second.
  SIZE (*dialogBaseUnits)();
  // A message for the user that needs no dialog (MessageBoxA).
  void (*alert)(const char* caption, const char* text);
};

const Backend& activeBackend();

// Reading the models, for drawing.
WindowKind windowKind(HWND window);
int windowId(HWND window);
uint32_t windowStyle(HWND window);
void windowRect(HWND window, int16_t* x, int16_t* y, int16_t* cx, int16_t* cy);  // dialog units
const char* windowText(HWND window);            // edit, label, dialog caption
int dialogControlCount(HWND dialog);
HWND dialogControl(HWND dialog, int index);     // in template order
int listLineCount(HWND list);
const char* listLine(HWND list, int index);
int listSelection(HWND list);                   // -1 for none
int listHorizontalExtent(HWND list);            // pixels
int listTabStopCount(HWND list);
const int* listTabStops(HWND list);             // dialog template units

// A user's actions, turned into what Windows would send.
enum class EditInput { typing, pasting };
// Replaces characters start..end-1 of an edit field's text with the given
// ones, as the user's typing or pasting does; false when the field refuses.
bool userEditsText(HWND edit, int start, int end, const char* text, EditInput input);
void userSelectsLine(HWND list, int index);
void userFocuses(HWND control);
enum class DialogKey { enter, escape, tab, shiftTab };
void userPressesKey(HWND dialog, DialogKey key);
void userClosesDialog(HWND dialog);
