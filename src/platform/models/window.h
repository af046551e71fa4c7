// The window record behind every HWND of the layer, and the registry that
// keeps them. A handle is no address: it names a slot of the registry and
// the generation of that slot, so a destroyed window's record and slot can
// be given back while its stale handle is still recognised as dead.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/seam/backend.h"
#include "platform/seam/model_readers.h"
#include "platform/models/dialog_window.h"
#include "platform/models/edit_control.h"
#include "platform/models/label.h"
#include "platform/models/list_box.h"
#include "platform/win32/win32_types.h"

struct WindowRecord {
  WindowKind kind;
  int id;
  uint32_t style;
  int16_t x, y, cx, cy;  // dialog units, relative to the dialog
  HWND parent;
  std::variant<DialogState, EditState, ListBoxState, LabelState> state;
  // WM_SETREDRAW FALSE suspends drawing: the changes the backend is to show
  // are held until drawing resumes.
  bool drawingSuspended = false;
  ControlChanges changesHeld;
};

HWND createWindow(WindowKind kind, HWND parent, int id, uint32_t style,
                  int16_t x, int16_t y, int16_t cx, int16_t cy);
void destroyWindow(HWND window);
bool isLiveWindow(HWND window);

// The record of a live window; following a dead handle is a fault.
WindowRecord& windowRecord(HWND window);

DialogState& dialogState(HWND dialog);
EditState& editState(HWND edit);
ListBoxState& listBoxState(HWND list);
LabelState& labelState(HWND label);

// Tells the backend that a window changed, or holds the change while the
// window's drawing is suspended.
void reportChange(HWND window, ControlChange change);
// WM_SETREDRAW, as every window class of Windows takes it: FALSE suspends
// drawing; TRUE resumes it and shows each held change once.
LRESULT setRedraw(HWND window, bool drawing);

// Reports a control's notification to its dialog, packed as Windows packs it:
// identifier in the low word of wParam, code in the high word, the control's
// handle in lParam.
void notifyParent(HWND control, WORD code);

// WM_GETTEXT's copy: at most size - 1 characters and a NUL; returns the
// number of characters copied.
LRESULT copyTextOut(std::string_view text, WPARAM size, LPARAM buffer);
