// The FLTK widgets that show the layer's controls. Each widget only draws its
// control's model and hands its user's actions to the model (backend.h);
// what a control holds is always what its model holds, copied over once the
// event that changed it has been handled.
#pragma once

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Input.H>

#include <string>

#include "platform/fltk/fltk_fonts.h"
#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"

// The look Windows gives an edit field and a list box alike: a border, the
// window background colour and the dialog's font.
template <typename Control>
void giveControlLook(Control& control) {
  control.box(FL_BORDER_BOX);
  control.color(FL_BACKGROUND2_COLOR);
  FontChoice font = dialogFont();
  control.textfont(font.face);
  control.textsize(font.pixels);
}

// The window of the dialog. Keys that the Windows dialog manager takes for
// itself (Tab, Enter, Escape, Alt+F4) are handled here for every control.
class DialogWidget : public Fl_Double_Window {
 public:
  DialogWidget(HWND dialog, int width, int height);
  int handle(int event) override;
  HWND dialog;
};

// A single-line edit field. The user's change is proposed to the model
// (userEditsField) and the widget shows what the model took; ES_RIGHT draws
// the text right-aligned.
class FieldWidget : public Fl_Input {
 public:
  FieldWidget(HWND edit, int x, int y, int width, int height);
  int handle(int event) override;
  void draw() override;
  void showText(const std::string& utf8);
  int scrolledPixels() const { return xscroll(); }
  HWND edit;

 private:
  bool rightAligned() const;
  int rightAlignedTextLeft() const;
  int positionAtPointer() const;
  int handleRightAlignedMouse(int event);
  int cursorAfterEdit = -1;  // in characters, for the next showText
};

// A list box. Its lines are cut at its right edge; a horizontal scroll bar
// appears only when the model's horizontal extent is wider than the list.
class ListWidget : public Fl_Hold_Browser {
 public:
  ListWidget(HWND list, int x, int y, int width, int height);
  int handle(int event) override;
  void showLines();
  void showSelection();
  void showTabStops(int firstStopPixels);
  int lineHeight() const;
  HWND list;
  int horizontalExtent = 0;

 protected:
  int full_width() const override { return horizontalExtent; }

 private:
  int tabColumns[2] = {0, 0};
};

// A static label: its text exactly, an ampersand included, never a symbol.
class LabelWidget : public Fl_Box {
 public:
  LabelWidget(HWND label, int x, int y, int width, int height);
  void draw() override;
  HWND label;
};

// The dialog a control's widget belongs to.
HWND dialogOf(const Fl_Widget* widget);
// Tab, Enter, Escape and Alt+F4 of the current key event, given to the
// dialog as the Windows dialog manager gives them; false for any other key.
bool handleDialogKey(HWND dialog);
// A widget reports that it has handed a user action to the models, once its
// own handling of the event is done: the widgets then show what the models
// hold.
void noteUserAction();
// With WINDOW_LAYER_KEY_TIMING in the environment, each key event's time to
// the end of the redraw it causes (drawn, and the X server caught up) goes
// to standard error as "key N us", for a benchmark of keystrokes.
void noteKeyEvent();
// A widget that got the keyboard focus tells its dialog.
void reportFocus(HWND control);
