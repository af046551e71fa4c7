// The web backend: the dialog as elements of a page (web_controls.js draws
// them). A model's change is only noted while the dialog handles it; the
// elements show it once the page's event has been handled. The page's events
// arrive through the functions exported below, each one user action.
#include <emscripten.h>

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/seam/backend.h"
#include "platform/seam/modal_steps.h"
#include "platform/seam/model_readers.h"
#include "platform/seam/user_actions.h"
#include "platform/web/web_page.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/win32_api.h"

// The page's side, in web_controls.js. Text is UTF-8.
extern "C" {
void quirelPageOpen(HWND dialog, int width, int height);
void quirelPageAddControl(HWND control, int kind, int id, unsigned style, int x, int y, int width,
                          int height, int lineHeight);
void quirelPageClose();
void quirelPageText(HWND window, const char* text);
void quirelPageLines(HWND list, const char* lines, int bytes);
void quirelPageSelection(HWND list, int index);
void quirelPageTabStop(HWND list, int pixels);
void quirelPageExtent(HWND list, int pixels);
void quirelPageFocus(HWND control);
int quirelPageMeasure(const char* text, int systemFont);
int quirelPageFontHeight(int systemFont);
void quirelPageAlert(const char* caption, const char* text);
char* quirelPageShownText(HWND field);
int quirelPageShownLineCount(HWND list);
int quirelPageShownSelection(HWND list);
char* quirelPageShownLine(HWND list, int index);
void quirelPageClickLine(HWND list, int index);
void quirelPageDoubleClickLine(HWND list, int index);
}

namespace {

HWND shownDialog = nullptr;
std::map<HWND, unsigned> pendingChanges;  // bits of ControlChange
void (*dialogEnded)(HWND) = nullptr;

unsigned bitOf(ControlChange change) { return 1u << static_cast<unsigned>(change); }
constexpr unsigned everything = (1u << (static_cast<unsigned>(ControlChange::focus) + 1)) - 1;

int mulDiv(int value, int numerator, int denominator) {
  assert(denominator > 0);
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

// The dialog base units of the dialog's font, as the Windows dialog manager
// derives them: the average width of the 52 Latin letters and the line height.
SIZE fontBaseUnits() {
  static SIZE units{};
  if (units.cx == 0) {
    int all = quirelPageMeasure("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 0);
    units = SIZE{(all / 26 + 1) / 2, quirelPageFontHeight(0)};
  }
  return units;
}

int horizontalPixels(int units) { return mulDiv(units, fontBaseUnits().cx, 4); }
int verticalPixels(int units) { return mulDiv(units, fontBaseUnits().cy, 8); }

// A list's lines, each closed by a NUL, which no line holds.
void showLines(HWND list) {
  std::string lines;
  for (int i = 0; i < listLineCount(list); ++i) {
    lines += cp1252ToUtf8(listLine(list, i));
    lines += '\0';
  }
  quirelPageLines(list, lines.data(), static_cast<int>(lines.size()));
  quirelPageSelection(list, listSelection(list));
}

// A list box shows its lines, selection, extent and tab stop; any other
// window its text, and the dialog the focus.
void showChange(HWND window, ControlChange change) {
  bool listChange = change != ControlChange::text && change != ControlChange::focus;
  if (listChange != (windowKind(window) == WindowKind::listBox)) return;
  switch (change) {
    case ControlChange::text: quirelPageText(window, cp1252ToUtf8(windowText(window)).c_str()); break;
    case ControlChange::lines: showLines(window); break;
    case ControlChange::selection: quirelPageSelection(window, listSelection(window)); break;
    case ControlChange::horizontalExtent: quirelPageExtent(window, listHorizontalExtent(window)); break;
    case ControlChange::tabStops:
      if (listTabStopCount(window) > 0) quirelPageTabStop(window, horizontalPixels(listTabStops(window)[0]));
      break;
    case ControlChange::focus:
      if (GetFocus() != nullptr) quirelPageFocus(GetFocus());
      break;
  }
}

void showPendingChanges() {
  while (!pendingChanges.empty()) {
    auto [window, changes] = *pendingChanges.begin();
    pendingChanges.erase(pendingChanges.begin());
    for (unsigned change = 0; (everything >> change) != 0; ++change) {
      if ((changes & (1u << change)) != 0) showChange(window, static_cast<ControlChange>(change));
    }
  }
}

bool createPage(HWND dialog) {
  if (shownDialog != nullptr) return false;  // one dialog a page
  shownDialog = dialog;
  int16_t x, y, cx, cy;
  windowRect(dialog, &x, &y, &cx, &cy);
  quirelPageOpen(dialog, horizontalPixels(cx), verticalPixels(cy));
  for (int i = 0; i < dialogControlCount(dialog); ++i) {
    HWND control = dialogControl(dialog, i);
    windowRect(control, &x, &y, &cx, &cy);
    quirelPageAddControl(control, static_cast<int>(windowKind(control)), windowId(control),
                         windowStyle(control), horizontalPixels(x), verticalPixels(y),
                         horizontalPixels(cx), verticalPixels(cy), fontBaseUnits().cy);
    pendingChanges[control] = everything;
  }
  pendingChanges[dialog] = bitOf(ControlChange::text);
  return true;
}

void showPage(HWND dialog) {
  pendingChanges[dialog] |= bitOf(ControlChange::focus);
  showPendingChanges();
}

void closePage(HWND) {
  quirelPageClose();
  pendingChanges.clear();
  shownDialog = nullptr;
}

void noteChange(HWND window, ControlChange change) {
  if (shownDialog != nullptr) pendingChanges[window] |= bitOf(change);
}

// The page's events arrive by themselves; the loop is never asked to wait.
bool noWaiting(HWND) { return false; }

bool measure(HWND window, const char* text, int length, SIZE* size) {
  if (size == nullptr) return false;
  bool systemFont = windowKind(window) == WindowKind::dialog;
  std::string utf8 = cp1252ToUtf8(std::string_view(text, static_cast<std::size_t>(length)));
  *size = SIZE{quirelPageMeasure(utf8.c_str(), systemFont), quirelPageFontHeight(systemFont)};
  return true;
}

void alert(const char* caption, const char* text) {
  quirelPageAlert(cp1252ToUtf8(caption).c_str(), cp1252ToUtf8(text).c_str());
}

constexpr Backend webBackend = {
    createPage, showPage, closePage, noteChange, noWaiting, measure, fontBaseUnits, alert,
};

// Every user action ends here: what it posted is delivered, what it changed
// shown, and a dialog it ended goes back to the program.
void afterUserAction() {
  settlePage();
  if (shownDialog != nullptr && modalDialogEnded(shownDialog) && dialogEnded != nullptr) {
    dialogEnded(shownDialog);
  }
}

std::string takeString(char* text) {
  std::string taken = text != nullptr ? text : "";
  std::free(text);
  return taken;
}

}  // namespace

const Backend& activeBackend() { return webBackend; }

void setDialogEndedHandler(void (*ended)(HWND)) { dialogEnded = ended; }

void settlePage() {
  while (shownDialog != nullptr && !modalDialogEnded(shownDialog) && stepModalDialog()) {
  }
  showPendingChanges();
}

std::string shownFieldText(HWND field) {
  settlePage();
  return takeString(quirelPageShownText(field));
}

int shownLineCount(HWND list) {
  settlePage();
  return quirelPageShownLineCount(list);
}

int shownSelection(HWND list) {
  settlePage();
  return quirelPageShownSelection(list);
}

std::string shownLine(HWND list, int index) {
  settlePage();
  return takeString(quirelPageShownLine(list, index));
}

void clickShownLine(HWND list, int index) {
  settlePage();
  quirelPageClickLine(list, index);
}

void doubleClickShownLine(HWND list, int index) {
  settlePage();
  quirelPageDoubleClickLine(list, index);
}

// The page's events. A field's input event gives the field's whole new text
// (UTF-8) and the caret; the models take it as the replacement of one run of
// characters, cut it to the field's width or refuse it. Gives the caret's
// place in what the field then shows.
extern "C" EMSCRIPTEN_KEEPALIVE int quirelUserTyped(HWND edit, const char* utf8, int caret, int pasting) {
  std::string before = windowText(edit);
  std::string after = utf8ToCp1252(utf8);
  TextEdit change = editBetween(before, after);
  bool taken = userEditsText(edit, change.start, change.end, change.inserted.c_str(),
                             pasting != 0 ? EditInput::pasting : EditInput::typing);
  // The field shows the model's text again, whatever it took of the edit.
  noteChange(edit, ControlChange::text);
  std::string now = windowText(edit);
  int kept = static_cast<int>(now.size()) - static_cast<int>(before.size()) + (change.end - change.start);
  afterUserAction();
  if (!taken) return change.start;
  return now == after ? caret : change.start + kept;
}

extern "C" EMSCRIPTEN_KEEPALIVE void quirelUserSelected(HWND list, int index) {
  userSelectsLine(list, index);
  afterUserAction();
}

// The second press of a double-click; its first click came as a click.
extern "C" EMSCRIPTEN_KEEPALIVE void quirelUserDoubleClicked(HWND list, int index) {
  userDoubleClicksLine(list, index);
  afterUserAction();
}

extern "C" EMSCRIPTEN_KEEPALIVE void quirelUserFocused(HWND control) {
  if (GetFocus() != control) userFocuses(control);
  afterUserAction();
}

// 0 Enter, 1 Escape, 2 Tab, 3 Shift+Tab.
extern "C" EMSCRIPTEN_KEEPALIVE void quirelUserPressed(int key) {
  constexpr DialogKey keys[] = {DialogKey::enter, DialogKey::escape, DialogKey::tab, DialogKey::shiftTab};
  if (shownDialog == nullptr || key < 0 || key > 3) return;
  userPressesKey(shownDialog, keys[key]);
  afterUserAction();
}
