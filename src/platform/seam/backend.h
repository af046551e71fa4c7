// The seam between the window system's control models and whatever shows them
// to a user: a headless backend for tests and script drivers, a real window
// for people. The models (edit field, list box, label, dialog) own all state
// and all Windows behaviour; a backend only draws that state (model_readers.h),
// measures text, and turns its user's actions into calls (user_actions.h).
// A backend that cannot block drives the modal loop itself (modal_steps.h).
// What backends do alike is written once beside this table: the changes
// still to show (pending_changes.h) and dialog units in pixels (below).
//
// Text crossing this seam is cp1252, as inside the models; a backend converts
// to and from UTF-8 at its own drawing and reading edge (win32/cp1252.h).
#pragma once

#include <cstdint>

#include "platform/win32/win32_types.h"

// What changed in a model, so the backend can redraw just that.
enum class ControlChange {
  text,               // edit field or label text, dialog caption
  lines,              // list box lines added, inserted or removed
  selection,          // list box selected line
  horizontalExtent,   // list box horizontal scroll range
  tabStops,           // list box tab stops
  focus,              // the dialog's focused control
};

// Changes of one window, one bit each: what a window holds while its drawing
// is suspended, and what a backend has yet to show.
struct ControlChanges {
  uint32_t bits = 0;

  void add(ControlChange change) { bits |= 1u << static_cast<unsigned>(change); }
  // Each change of the set, in the order of ControlChange.
  template <typename Call>
  void forEach(Call call) const {
    for (unsigned change = 0; bits >> change != 0; ++change) {
      if ((bits >> change & 1u) != 0) call(static_cast<ControlChange>(change));
    }
  }
};
constexpr ControlChanges everyControlChange{(1u << (static_cast<unsigned>(ControlChange::focus) + 1)) - 1};

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

// Dialog units in pixels of the active backend's base units, rounded as
// MulDiv rounds: as the dialog manager places a template's controls.
int horizontalPixels(int dialogUnits);
int verticalPixels(int dialogUnits);

// A window's place in its dialog and its size, in pixels.
struct PixelRect {
  int x, y, width, height;
};
PixelRect windowPixels(HWND window);

// The base units of a font as the Windows dialog manager derives them: the
// average width of the 52 Latin letters (baseUnitLetters), rounded, and the
// font's line height.
extern const char baseUnitLetters[53];
SIZE baseUnitsOfFont(int widthOfLetters, int lineHeight);
