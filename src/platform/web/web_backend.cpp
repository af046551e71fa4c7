// The web backend: the dialog as elements of a page (web_page.js draws
// them). A model's change is only noted while the dialog handles it; the
// elements show it once the page's event has been handled
// (pending_changes.h). The page's events arrive through the functions
// exported below, each one user action.
#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "platform/seam/backend.h"
#include "platform/seam/modal_steps.h"
#include "platform/seam/model_readers.h"
#include "platform/seam/pending_changes.h"
#include "platform/seam/user_actions.h"
#include "platform/web/web_page.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/win32_api.h"

// The page's side, in web_page.js (through web_library.js). Text is UTF-8;
// places and sizes are pixels.
extern "C" {
void pageShowIn(const char* rootId);
void pageOpenDialog(HWND dialog, int width, int height);
void pageAddField(HWND field, int id, int x, int y, int width, int height, int rightAligned, int digitsOnly,
                  int tabStop);
void pageAddList(HWND list, int id, int x, int y, int width, int height, int lineHeight);
void pageAddLabel(HWND label, int id, int x, int y, int width, int height, int centered);
void pageCloseDialog();
void pageShowText(HWND window, const char* text);
void pageShowLines(HWND list, const char* lines, int bytes);
void pageShowSelection(HWND list, int index);
void pageShowTabStop(HWND list, int pixels);
void pageShowExtent(HWND list, int pixels);
void pageShowFocus(HWND control);
int pageMeasure(const char* text, int systemFont);
int pageFontHeight(int systemFont);
void pageAlert(const char* caption, const char* text);
char* pageShownText(HWND field);
int pageShownLineCount(HWND list);
int pageShownSelection(HWND list);
char* pageShownLine(HWND list, int index);
void pageClickLine(HWND list, int index);
void pageDoubleClickLine(HWND list, int index);
}

namespace {

HWND shownDialog = nullptr;
void (*dialogEnded)(HWND) = nullptr;

SIZE pageBaseUnits() {
  static SIZE units{};
  if (units.cx == 0) units = baseUnitsOfFont(pageMeasure(baseUnitLetters, 0), pageFontHeight(0));
  return units;
}

// A list's lines, each closed by a NUL, which no line holds.
void showLines(HWND list) {
  std::string lines;
  for (int i = 0; i < listLineCount(list); ++i) {
    lines += cp1252ToUtf8(listLine(list, i));
    lines += '\0';
  }
  pageShowLines(list, lines.data(), static_cast<int>(lines.size()));
  pageShowSelection(list, listSelection(list));
}

// A list box shows its lines, selection, extent and tab stop; any other
// window its text, and the dialog the focus.
void showChange(HWND window, ControlChange change) {
  bool listChange = change != ControlChange::text && change != ControlChange::focus;
  if (listChange != (windowKind(window) == WindowKind::listBox)) return;
  switch (change) {
    case ControlChange::text: pageShowText(window, cp1252ToUtf8(windowText(window)).c_str()); break;
    case ControlChange::lines: showLines(window); break;
    case ControlChange::selection: pageShowSelection(window, listSelection(window)); break;
    case ControlChange::horizontalExtent: pageShowExtent(window, listHorizontalExtent(window)); break;
    case ControlChange::tabStops:
      if (listTabStopCount(window) > 0) pageShowTabStop(window, horizontalPixels(listTabStops(window)[0]));
      break;
    case ControlChange::focus:
      if (GetFocus() != nullptr) pageShowFocus(GetFocus());
      break;
  }
}

// Each control an element of its kind, its style bits become the element's
// properties.
void addControl(HWND control) {
  PixelRect at = windowPixels(control);
  int id = windowId(control);
  uint32_t style = windowStyle(control);
  switch (windowKind(control)) {
    case WindowKind::edit:
      pageAddField(control, id, at.x, at.y, at.width, at.height, (style & ES_RIGHT) != 0, (style & ES_NUMBER) != 0,
                   (style & WS_TABSTOP) != 0);
      break;
    case WindowKind::listBox:
      pageAddList(control, id, at.x, at.y, at.width, at.height, pageBaseUnits().cy);
      break;
    case WindowKind::label:
      pageAddLabel(control, id, at.x, at.y, at.width, at.height, (style & SS_CENTER) != 0);
      break;
    case WindowKind::dialog: break;
  }
}

bool openDialogInPage(HWND dialog) {
  if (shownDialog != nullptr) return false;  // one dialog a page
  shownDialog = dialog;
  PixelRect size = windowPixels(dialog);
  pageOpenDialog(dialog, size.width, size.height);
  for (int i = 0; i < dialogControlCount(dialog); ++i) {
    HWND control = dialogControl(dialog, i);
    addControl(control);
    noteEveryChangePending(control);
  }
  notePendingChange(dialog, ControlChange::text);
  return true;
}

void showDialogInPage(HWND dialog) {
  notePendingChange(dialog, ControlChange::focus);
  showPendingChanges(showChange);
}

void closeDialogInPage(HWND) {
  pageCloseDialog();
  forgetPendingChanges();
  shownDialog = nullptr;
}

void noteChange(HWND window, ControlChange change) {
  if (shownDialog != nullptr) notePendingChange(window, change);
}

// The page's events arrive by themselves; the loop is never asked to wait.
bool noWaiting(HWND) { return false; }

bool measure(HWND window, const char* text, int length, SIZE* size) {
  if (size == nullptr) return false;
  bool systemFont = windowKind(window) == WindowKind::dialog;
  std::string utf8 = cp1252ToUtf8(std::string_view(text, static_cast<std::size_t>(length)));
  *size = SIZE{pageMeasure(utf8.c_str(), systemFont), pageFontHeight(systemFont)};
  return true;
}

void alert(const char* caption, const char* text) {
  pageAlert(cp1252ToUtf8(caption).c_str(), cp1252ToUtf8(text).c_str());
}

constexpr Backend webBackend = {
    openDialogInPage, showDialogInPage, closeDialogInPage, noteChange, noWaiting, measure, pageBaseUnits, alert,
};

// Every user action ends here: what it posted is delivered, what it changed
// shown, and a dialog it ended goes back to the program.
void afterUserAction() {
  settlePage();
  if (shownDialog != nullptr && modalDialogEnded(shownDialog) && dialogEnded != nullptr) {
    dialogEnded(shownDialog);
  }
}

void userPressed(DialogKey key) {
  if (shownDialog == nullptr) return;
  userPressesKey(shownDialog, key);
  afterUserAction();
}

std::string takeString(char* text) {
  std::string taken = text != nullptr ? text : "";
  std::free(text);
  return taken;
}

}  // namespace

const Backend& activeBackend() { return webBackend; }

void showDialogsIn(const char* rootElementId) { pageShowIn(rootElementId); }

void setDialogEndedHandler(void (*ended)(HWND)) { dialogEnded = ended; }

void settlePage() {
  while (shownDialog != nullptr && !modalDialogEnded(shownDialog) && stepModalDialog()) {
  }
  showPendingChanges(showChange);
}

std::string shownFieldText(HWND field) {
  settlePage();
  return takeString(pageShownText(field));
}

int shownLineCount(HWND list) {
  settlePage();
  return pageShownLineCount(list);
}

int shownSelection(HWND list) {
  settlePage();
  return pageShownSelection(list);
}

std::string shownLine(HWND list, int index) {
  settlePage();
  return takeString(pageShownLine(list, index));
}

void clickShownLine(HWND list, int index) {
  settlePage();
  pageClickLine(list, index);
}

void doubleClickShownLine(HWND list, int index) {
  settlePage();
  pageDoubleClickLine(list, index);
}

// The page's events. A field's input event gives the field's whole new text
// (UTF-8) and the caret (userEditsField). Gives the caret's place in what the
// field then shows.
extern "C" EMSCRIPTEN_KEEPALIVE int pageUserTyped(HWND edit, const char* utf8, int caret, int pasting) {
  FieldEdit edited = userEditsField(edit, utf8, caret, pasting != 0 ? EditInput::pasting : EditInput::typing);
  // The field shows the model's text again, whatever it took of the edit.
  noteChange(edit, ControlChange::text);
  afterUserAction();
  return edited.caret;
}

extern "C" EMSCRIPTEN_KEEPALIVE void pageUserSelected(HWND list, int index) {
  userSelectsLine(list, index);
  afterUserAction();
}

// The second press of a double-click; its first click came as a click.
extern "C" EMSCRIPTEN_KEEPALIVE void pageUserDoubleClicked(HWND list, int index) {
  userDoubleClicksLine(list, index);
  afterUserAction();
}

extern "C" EMSCRIPTEN_KEEPALIVE void pageUserFocused(HWND control) {
  if (GetFocus() != control) userFocuses(control);
  afterUserAction();
}

extern "C" EMSCRIPTEN_KEEPALIVE void pageUserPressedEnter() { userPressed(DialogKey::enter); }
extern "C" EMSCRIPTEN_KEEPALIVE void pageUserPressedEscape() { userPressed(DialogKey::escape); }
extern "C" EMSCRIPTEN_KEEPALIVE void pageUserPressedTab(int backwards) {
  userPressed(backwards != 0 ? DialogKey::shiftTab : DialogKey::tab);
}
