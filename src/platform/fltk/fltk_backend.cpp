// The window backend: the dialog as an FLTK window with one widget per
// control. A model's change is only noted while the dialog handles it; the
// widgets show it once FLTK's event has been handled (pending_changes.h).
#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <FL/x.H>
#include <X11/Xutil.h>

#include <cassert>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <map>
#include <memory>

#include "platform/fltk/fltk_display.h"
#include "platform/fltk/fltk_dump.h"
#include "platform/fltk/fltk_fonts.h"
#include "platform/fltk/fltk_widgets.h"
#include "platform/seam/pending_changes.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/win32_api.h"

namespace {

std::unique_ptr<DialogWidget> window;
std::map<HWND, Fl_Widget*> widgetOf;
bool userActed = false;

Fl_Widget* makeWidget(HWND control) {
  PixelRect at = windowPixels(control);
  switch (windowKind(control)) {
    case WindowKind::edit: return new FieldWidget(control, at.x, at.y, at.width, at.height);
    case WindowKind::listBox: return new ListWidget(control, at.x, at.y, at.width, at.height);
    case WindowKind::label: return new LabelWidget(control, at.x, at.y, at.width, at.height);
    case WindowKind::dialog: break;
  }
  return nullptr;
}

void showListChange(ListWidget& list, ControlChange change) {
  switch (change) {
    case ControlChange::lines: list.showLines(); break;
    case ControlChange::selection: list.showSelection(); break;
    case ControlChange::horizontalExtent:
      list.horizontalExtent = listHorizontalExtent(list.list);
      list.redraw();
      break;
    case ControlChange::tabStops:
      if (listTabStopCount(list.list) > 0) {
        list.showTabStops(horizontalPixels(listTabStops(list.list)[0]));
      }
      break;
    default: break;
  }
}

void showFocus() {
  HWND focus = GetFocus();
  if (focus != nullptr && widgetOf.count(focus) != 0) widgetOf[focus]->take_focus();
}

// A change of a window that has no widget (any longer) shows nowhere.
void showChange(HWND control, ControlChange change) {
  auto found = widgetOf.find(control);
  if (found == widgetOf.end()) return;
  Fl_Widget* widget = found->second;
  if (auto* list = dynamic_cast<ListWidget*>(widget)) {
    showListChange(*list, change);
  } else if (change == ControlChange::focus) {
    showFocus();
  } else if (change == ControlChange::text) {
    std::string text = cp1252ToUtf8(windowText(control));
    if (auto* field = dynamic_cast<FieldWidget*>(widget)) field->showText(text);
    if (widget == window.get()) window->copy_label(text.c_str());
    widget->redraw();
  }
}

void showWidgetChanges() { showPendingChanges(showChange); }

bool openDialogWindow(HWND dialog) {
  if (!openDisplay()) return false;
  // The dialog face of Windows: light grey behind, white inside fields.
  Fl::background(240, 240, 240);
  Fl::background2(255, 255, 255);
  PixelRect size = windowPixels(dialog);
  window = std::make_unique<DialogWidget>(dialog, size.width, size.height);
  widgetOf[dialog] = window.get();
  for (int i = 0; i < dialogControlCount(dialog); ++i) {
    HWND control = dialogControl(dialog, i);
    widgetOf[control] = makeWidget(control);
    noteEveryChangePending(control);
  }
  window->end();
  notePendingChange(dialog, ControlChange::text);
  listenForDumpRequests();
  return true;
}

// FLTK places a window by its inside and keeps room for a frame it guesses.
// The dialog wants its outside in the corner: with north-west gravity a
// window manager puts the frame there, and without one the window itself.
void moveToTopLeft(DialogWidget& shown) {
  Window id = fl_xid(&shown);
  XSizeHints* hints = XAllocSizeHints();
  long supplied = 0;
  XGetWMNormalHints(fl_display, id, hints, &supplied);
  hints->flags |= USPosition | PPosition | PWinGravity;
  hints->x = 0;
  hints->y = 0;
  hints->win_gravity = NorthWestGravity;
  XSetWMNormalHints(fl_display, id, hints);
  XFree(hints);
  XMoveWindow(fl_display, id, 0, 0);
}

void showDialogWindow(HWND dialog) {
  assert(window != nullptr && window->dialog == dialog);
  showWidgetChanges();
  window->show();
  moveToTopLeft(*window);
  // The focus goes where the dialog put it once the window can take it.
  notePendingChange(dialog, ControlChange::focus);
}

void closeDialogWindow(HWND) {
  if (window == nullptr) return;
  window->hide();
  window.reset();
  widgetOf.clear();
  forgetPendingChanges();
  Fl::check();
}

void noteChange(HWND control, ControlChange change) {
  if (widgetOf.count(control) != 0) notePendingChange(control, change);
}

void dumpWidgets() {
  // Whatever the X server has for the window is handled first, so that a
  // key sent before the request is in the dump.
  XSync(fl_display, False);
  Fl::check();
  showWidgetChanges();
  if (window != nullptr) writeWidgetDump(*window);
}

// The key event whose redraw is being timed; 0 for none.
std::chrono::steady_clock::time_point keyArrived{};

// The redraw of a timed key ends once FLTK has drawn every damaged widget
// and the X server has done what it was asked.
void finishKeyTiming() {
  if (keyArrived == std::chrono::steady_clock::time_point{}) return;
  Fl::flush();
  XSync(fl_display, False);
  auto micros = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - keyArrived);
  std::fprintf(stderr, "key %lld us\n", static_cast<long long>(micros.count()));
  keyArrived = {};
}

bool waitForUser(HWND) {
  userActed = false;
  while (!userActed) {
    showWidgetChanges();
    finishKeyTiming();
    if (dumpRequested()) {
      dumpWidgets();
      continue;
    }
    if (window == nullptr || !window->shown()) return false;
    Fl::wait();
  }
  return true;
}

bool measure(HWND control, const char* text, int length, SIZE* size) {
  if (window == nullptr || size == nullptr) return false;
  bool isDialog = windowKind(control) == WindowKind::dialog;
  *size = measureText(isDialog ? systemFont() : dialogFont(), text, length);
  return true;
}

SIZE baseUnits() { return displayOpen() ? dialogFontBaseUnits() : SIZE{0, 0}; }

// Said on standard error in any case, and in a message window where there
// is a display to show one.
void alert(const char* caption, const char* text) {
  std::string line = cp1252ToUtf8(text);
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  if (!openDisplay(false)) return;
  fl_message_title(cp1252ToUtf8(caption).c_str());
  fl_alert("%s", line.c_str());
}

constexpr Backend fltkBackend = {
    openDialogWindow, showDialogWindow, closeDialogWindow, noteChange,
    waitForUser, measure, baseUnits, alert,
};

}  // namespace

// The widgets show the models' answer at once: a second key or click that
// FLTK already holds must meet the widget as the model left it.
void noteKeyEvent() {
  static const bool timing = std::getenv("WINDOW_LAYER_KEY_TIMING") != nullptr;
  if (timing) keyArrived = std::chrono::steady_clock::now();
}

void noteUserAction() {
  userActed = true;
  showWidgetChanges();
}

const Backend& activeBackend() { return fltkBackend; }
