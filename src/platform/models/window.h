// The window record behind every HWND of the layer, and the registry that
// keeps them. A handle stays a valid address for the life of the process;
// a destroyed window is only marked, so a stale handle is recognised rather
// than followed.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/seam/backend.h"
#include "platform/seam/model_readers.h"
#include "platform/models/dialog_window.h"
#include "platform/models/edit_control.h"
#include "platform/models/label.h"
#include "platform/models/list_box.h"
#include "platform/win32/win32_types.h"

struct HWND__ {
  WindowKind kind;
  int id;
  uint32_t style;
  int16_t x, y, cx, cy;  // dialog units, relative to the dialog
  HWND parent;
  bool alive;
  std::variant<DialogState, EditState, ListBoxState, LabelState> state;
};

HWND createWindow(WindowKind kind, HWND parent, int id, uint32_t style,
                  int16_t x, int16_t y, int16_t cx, int16_t cy);
void destroyWindow(HWND window);
bool isLiveWindow(HWND window);

DialogState& dialogState(HWND dialog);
EditState& editState(HWND edit);
ListBoxState& listBoxState(HWND list);
LabelState& labelState(HWND label);

// Reports a control's notification to its dialog, packed as Windows packs it:
// identifier in the low word of wParam, code in the high word, the control's
// handle in lParam.
void notifyParent(HWND control, WORD code);

// WM_GETTEXT's copy: at most size - 1 characters and a NUL; returns the
// number of characters copied.
LRESULT copyTextOut(const std::string& text, WPARAM size, LPARAM buffer);
