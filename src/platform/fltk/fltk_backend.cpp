// The window backend: the dialog as an FLTK window with one widget per
// control. A model's change is only noted while the dialog handles it; the
// widgets show it once FLTK's event has been handled, so that no widget is
// rebuilt inside its own event handling.
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

#include "platform/win32/cp1252.h"
#include "platform/fltk/fltk_display.h"
#include "platform/fltk/fltk_dump.h"
#include "platform/fltk/fltk_fonts.h"
#include "platform/fltk/fltk_widgets.h"
#include "platform/win32/win32_api.h"

namespace {

std::unique_ptr<DialogWidget> window;
std::map<HWND, Fl_Widget*> widgetOf;
std::map<HWND, unsigned> pendingChanges;  // bits of ControlChange
bool userActed = false;

unsigned bitOf(ControlChange change) { return 1u << static_cast<unsigned>(change); }
constexpr unsigned everything = (1u << (static_cast<unsigned>(ControlChange::focus) + 1)) - 1;

Fl_Widget* makeWidget(HWND control) {
  int16_t x, y, cx, cy;
  windowRect(control, &x, &y, &cx, &cy);
  int px = horizontalPixels(x), py = verticalPixels(y);
  int pw = horizontalPixels(cx), ph = verticalPixels(cy);
  switch (windowKind(control)) {
    case WindowKind::edit: return new FieldWidget(control, px, py, pw, ph);
    case WindowKind::listBox: return new ListWidget(control, px, py, pw, ph);
    case WindowKind::label: return new LabelWidget(control, px, py, pw, ph);
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

void showChange(HWND control, ControlChange change) {
  Fl_Widget* widget = widgetOf[control];
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

void showPendingChanges() {
  while (!pendingChanges.empty()) {
    auto [control, changes] = *pendingChanges.begin();
    pendingChanges.erase(pendingChanges.begin());
    if (widgetOf.count(control) == 0) continue;
    for (unsigned change = 0; (everything >> change) != 0; ++change) {
      if ((changes & (1u << change)) != 0) showChange(control, static_cast<ControlChange>(change));
    }
  }
}

bool createWindow(HWND dialog) {
  if (!openDisplay()) return false;
  // The dialog face of Windows: light grey behind, white inside fields.
  Fl::background(240, 240, 240);
  Fl::background2(255, 255, 255);
  int16_t x, y, cx, cy;
  windowRect(dialog, &x, &y, &cx, &cy);
  window = std::make_unique<DialogWidget>(dialog, horizontalPixels(cx), verticalPixels(cy));
  widgetOf[dialog] = window.get();
  for (int i = 0; i < dialogControlCount(dialog); ++i) {
    HWND control = dialogControl(dialog, i);
    widgetOf[control] = makeWidget(control);
    pendingChanges[control] = everything;
  }
  window->end();
  pendingChanges[dialog] = bitOf(ControlChange::text);
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

void showWindow(HWND dialog) {
  assert(window != nullptr && window->dialog == dialog);
  showPendingChanges();
  window->show();
  moveToTopLeft(*window);
  // The focus goes where the dialog put it once the window can take it.
  pendingChanges[dialog] |= bitOf(ControlChange::focus);
}

void destroyWindow(HWND) {
  if (window == nullptr) return;
  window->hide();
  window.reset();
  widgetOf.clear();
  pendingChanges.clear();
  Fl::check();
}

void noteChange(HWND control, ControlChange change) {
  if (widgetOf.count(control) != 0) pendingChanges[control] |= bitOf(change);
}

void dumpWidgets() {
  // Whatever the X server has for the window is handled first, so that a
  // key sent before the request is in the dump.
  XSync(fl_display, False);
  Fl::check();
  showPendingChanges();
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
    showPendingChanges();
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

SIZE baseUnits() { return window != nullptr ? dialogFontBaseUnits() : SIZE{0, 0}; }

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
    createWindow, showWindow, destroyWindow, noteChange,
    waitForUser, measure, baseUnits, alert,
};

}  // namespace

// The widgets show the models' answer at once: a second key or click that
// FLTK already holds must meet the widget as the model left it.
void noteKeyEvent() {
  static const bool timing = std::getenv("QUIREL_KEY_TIMING") != nullptr;
  if (timing) keyArrived = std::chrono::steady_clock::now();
}

void noteUserAction() {
  userActed = true;
  showPendingChanges();
}

const Backend& activeBackend() { return fltkBackend; }
