// The list box's widget: the model's lines, shown as they are (no '@'
// formats), its selection, and the user's clicks and arrow keys reported as
// the user's selection.
#include <FL/Fl.H>

#include <cassert>

#include "platform/win32/cp1252.h"
#include "platform/fltk/fltk_fonts.h"
#include "platform/fltk/fltk_widgets.h"

ListWidget::ListWidget(HWND listHandle, int x, int y, int width, int height)
    : Fl_Hold_Browser(x, y, width, height), list(listHandle) {
  assert(listHandle != nullptr);
  giveControlLook(*this);
  format_char('\0');
  // Without tab stops a tab is no column break.
  column_char('\0');
  has_scrollbar(BOTH);
  when(FL_WHEN_NEVER);
}

// A click is reported when the button is released, even on the line that
// was already selected; a move with the keys when it changed the selection.
int ListWidget::handle(int event) {
  if (event == FL_KEYBOARD && handleDialogKey(dialogOf(this))) return 1;
  int before = value();
  int used = Fl_Hold_Browser::handle(event);
  int after = value();
  if (event == FL_FOCUS) reportFocus(list);
  // FLTK counts a press soon after the last on the same spot as a repeat:
  // the second press of a double-click, whose release Windows reports not.
  bool repeated = Fl::event_clicks() > 0;
  if (event == FL_PUSH && repeated && after > 0) {
    userDoubleClicksLine(list, after - 1);
    noteUserAction();
  }
  bool clicked = event == FL_RELEASE && after > 0 && !repeated;
  bool moved = event == FL_KEYBOARD && after != before && after > 0;
  if (clicked || moved) {
    userSelectsLine(list, after - 1);
    noteUserAction();
  } else if (event == FL_RELEASE || event == FL_KEYBOARD) {
    showSelection();  // nothing taken: the model's selection stands
  }
  return used;
}

void ListWidget::showLines() {
  clear();
  for (int i = 0; i < listLineCount(list); ++i) add(cp1252ToUtf8(listLine(list, i)).c_str());
  showSelection();
}

void ListWidget::showSelection() {
  int selected = listSelection(list);
  if (selected < 0) {
    deselect();
    return;
  }
  select(selected + 1);
  if (!displayed(selected + 1)) middleline(selected + 1);
}

// The text after a row's tab starts at the first stop; rows hold one tab.
void ListWidget::showTabStops(int firstStopPixels) {
  tabColumns[0] = firstStopPixels;
  tabColumns[1] = 0;
  column_widths(tabColumns);
  column_char('\t');
  redraw();
}

// Every line is one line of the list's font high.
int ListWidget::lineHeight() const {
  void* top = item_first();
  return top != nullptr ? item_height(top) : 0;
}
