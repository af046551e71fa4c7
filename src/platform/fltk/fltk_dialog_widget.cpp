// The dialog's window and its labels, and the keys the dialog manager keeps.
#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <cassert>

#include "platform/win32/cp1252.h"
#include "platform/fltk/fltk_fonts.h"
#include "platform/fltk/fltk_program.h"
#include "platform/fltk/fltk_widgets.h"
#include "platform/win32/win32_api.h"

namespace {

// The window manager's close box (WM_DELETE_WINDOW) arrives as FL_CLOSE;
// FLTK's own Escape-closes-the-window arrives here too and is not a close.
void closeRequested(Fl_Widget* widget, void*) {
  if (Fl::event() != FL_CLOSE) return;
  userClosesDialog(static_cast<DialogWidget*>(widget)->dialog);
  noteUserAction();
}

bool isAltF4() { return Fl::event_key() == FL_F + 4 && Fl::event_state(FL_ALT) != 0; }

}  // namespace

DialogWidget::DialogWidget(HWND dialogHandle, int width, int height)
    : Fl_Double_Window(0, 0, width, height), dialog(dialogHandle) {
  assert(dialogHandle != nullptr);
  callback(closeRequested);
  // A fixed-size frame: no resizing, as DS_MODALFRAME gives on Windows.
  size_range(width, height, width, height);
  xclass(windowProgram().name);
}

int DialogWidget::handle(int event) {
  if ((event == FL_KEYBOARD || event == FL_SHORTCUT) && handleDialogKey(dialog)) return 1;
  // A key no control used ends here: FLTK's own moving of the focus with
  // the arrow keys is not the dialog's.
  if (event == FL_KEYBOARD) return 1;
  return Fl_Double_Window::handle(event);
}

HWND dialogOf(const Fl_Widget* widget) {
  const Fl_Window* window = widget->window();
  assert(window != nullptr);
  return static_cast<const DialogWidget*>(window)->dialog;
}

bool handleDialogKey(HWND dialog) {
  bool shift = Fl::event_state(FL_SHIFT) != 0;
  switch (Fl::event_key()) {
    case FL_Tab: userPressesKey(dialog, shift ? DialogKey::shiftTab : DialogKey::tab); break;
    case FL_Enter:
    case FL_KP_Enter: userPressesKey(dialog, DialogKey::enter); break;
    case FL_Escape: userPressesKey(dialog, DialogKey::escape); break;
    default:
      // Alt+F4 is the system's close command, as the Windows default window
      // procedure makes it when no window manager took the key first.
      if (!isAltF4()) return false;
      userClosesDialog(dialog);
  }
  noteUserAction();
  return true;
}

void reportFocus(HWND control) {
  if (GetFocus() == control) return;
  userFocuses(control);
  noteUserAction();
}

LabelWidget::LabelWidget(HWND labelHandle, int x, int y, int width, int height)
    : Fl_Box(x, y, width, height), label(labelHandle) {
  assert(labelHandle != nullptr);
  box(FL_NO_BOX);
}

void LabelWidget::draw() {
  Fl_Align align = FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP;
  align |= (windowStyle(label) & SS_CENTER) != 0 ? FL_ALIGN_CENTER : FL_ALIGN_LEFT;
  FontChoice font = dialogFont();
  fl_font(font.face, font.pixels);
  fl_color(FL_FOREGROUND_COLOR);
  // No symbols and no shortcut marks: the text is drawn as it stands.
  fl_draw(cp1252ToUtf8(windowText(label)).c_str(), x(), y(), w(), h(), align, nullptr, 0);
}
