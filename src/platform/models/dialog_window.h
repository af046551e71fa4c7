// The dialog window: created from a template with all its controls, run by
// its dialog procedure, with the dialog manager's default handling behind it.
#pragma once

#include <string>
#include <vector>

#include "platform/models/dialog_template.h"
#include "platform/win32/win32_types.h"

struct DialogState {
  DLGPROC procedure = nullptr;  // the program's dialog procedure
  std::string caption;          // cp1252
  std::vector<HWND> controls;   // template order
  HWND focus = nullptr;
  bool ended = false;
  INT_PTR result = 0;
};

HWND createDialogFromTemplate(const DialogTemplate& dialogTemplate, DLGPROC procedure);
// The dialog window's own procedure: the program's dialog procedure first,
// the dialog manager's default handling for what it leaves.
LRESULT dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
HWND firstTabStop(HWND dialog);
HWND nextTabStop(HWND dialog, HWND from, int step);
void setDialogFocus(HWND dialog, HWND control);
