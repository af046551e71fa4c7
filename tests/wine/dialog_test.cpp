// The real dialog, made by the system's dialog manager from the executable's
// own dialog 102 and run by the program's dialog procedure: its controls as
// the dialog's description lays them out, its state when it opens, the
// keyboard as the dialog manager hands it on, and the close command.
//
// The steps run one after another from the message queue once the dialog is
// on the screen, so that every key posted by one step has been handled, as a
// user's key would be, before the next step looks.
#include <windows.h>

#include <cstring>
#include <string>

#include "checks.h"
#include "dialog/search_dialog.h"
#include "app/load_index_data.h"
#include "app/search_dialog_template.h"

namespace {

constexpr UINT nextStepMessage = WM_APP + 2;

bool started = false;
int okCommands = 0;
int cancelCommands = 0;

std::string windowText(HWND window) {
  char text[1100] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string className(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The control's rectangle in the dialog's client coordinates.
RECT placeOf(HWND control, HWND dialog) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

RECT fromDialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT place{x, y, x + cx, y + cy};
  MapDialogRect(dialog, &place);
  return place;
}

bool samePlace(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const char* expectedClass(uint16_t atom) {
  return atom == classAtomEdit ? "Edit" : atom == classAtomStatic ? "Static" : "ListBox";
}

// The system draws the border of a field or list as a sunken client edge:
// WS_BORDER arrives as WS_EX_CLIENTEDGE. A list box shows its scroll bars
// only while it has something to scroll, and so holds their style bits only
// then (a later step sees them come). Every other style bit of the template
// arrives unchanged.
void checkStyles(HWND control, const ControlTemplate& table, const std::string& about) {
  auto style = static_cast<uint32_t>(GetWindowLongA(control, GWL_STYLE));
  auto extended = static_cast<uint32_t>(GetWindowLongA(control, GWL_EXSTYLE));
  uint32_t expected = table.style;
  uint32_t expectedExtended = 0;
  if ((table.style & WS_BORDER) != 0) {
    expected &= ~static_cast<uint32_t>(WS_BORDER);
    expectedExtended = WS_EX_CLIENTEDGE;
  }
  if (table.classAtom == classAtomListBox) {
    CHECK((table.style & (WS_VSCROLL | WS_HSCROLL)) == (WS_VSCROLL | WS_HSCROLL), about + ": scroll bars");
    expected &= ~static_cast<uint32_t>(WS_VSCROLL | WS_HSCROLL);
    style &= ~static_cast<uint32_t>(WS_VSCROLL | WS_HSCROLL);
  }
  CHECK(style == expected, about + ": style " + std::to_string(style));
  CHECK((extended & ~static_cast<uint32_t>(WS_EX_NOPARENTNOTIFY)) == expectedExtended,
        about + ": extended style " + std::to_string(extended));
}

// A list box takes the template's place but shortens itself to a whole
// number of lines; every other control takes the place exactly.
bool placedAsTemplate(HWND control, const RECT& place, const RECT& expected, bool isListBox) {
  bool sameSides = place.left == expected.left && place.top == expected.top && place.right == expected.right;
  if (!isListBox) return sameSides && place.bottom == expected.bottom;
  auto lineHeight = static_cast<int>(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
  return sameSides && place.bottom <= expected.bottom && place.bottom > expected.bottom - lineHeight - 4;
}

void checkControl(HWND dialog, HWND control, const ControlTemplate& table, int number) {
  std::string about = "control " + std::to_string(number) + " (id " + std::to_string(table.id) + ")";
  CHECK(GetDlgCtrlID(control) == table.id, about + ": id " + std::to_string(GetDlgCtrlID(control)));
  CHECK(lstrcmpiA(className(control).c_str(), expectedClass(table.classAtom)) == 0,
        about + ": class " + className(control));
  checkStyles(control, table, about);
  RECT place = placeOf(control, dialog);
  RECT expected = fromDialogUnits(dialog, table.x, table.y, table.cx, table.cy);
  CHECK(placedAsTemplate(control, place, expected, table.classAtom == classAtomListBox),
        about + ": position " + std::to_string(place.left) + "," + std::to_string(place.top) + "," +
            std::to_string(place.right) + "," + std::to_string(place.bottom) + " for " +
            std::to_string(expected.left) + "," + std::to_string(expected.top) + "," +
            std::to_string(expected.right) + "," + std::to_string(expected.bottom));
  if (table.classAtom == classAtomStatic) CHECK(windowText(control) == table.text, about + ": text");
}

// The controls in the order the dialog manager made them.
void checkControls(HWND dialog) {
  int number = 0;
  for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
    if (number < searchDialogTemplate.controlCount) {
      checkControl(dialog, control, searchDialogTemplate.controls[number], number + 1);
    }
    ++number;
  }
  CHECK(number == 15, "control count " + std::to_string(number));
}

void checkFrame(HWND dialog) {
  CHECK(windowText(dialog) == searchDialogTemplate.caption, "caption");
  auto style = static_cast<uint32_t>(GetWindowLongA(dialog, GWL_STYLE));
  uint32_t frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  CHECK((style & frame) == frame && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0,
        "dialog style " + std::to_string(style));
  RECT window{};
  GetWindowRect(dialog, &window);
  CHECK(window.left == 0 && window.top == 0, "dialog at the top left corner of the screen");
  RECT client{};
  GetClientRect(dialog, &client);
  CHECK(samePlace(client, fromDialogUnits(dialog, 0, 0, 600, 410)), "client area 600 x 410 dialog units");
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  CHECK(std::strcmp(font.lfFaceName, "Arial") == 0 && font.lfItalic == 0 && font.lfCharSet == DEFAULT_CHARSET,
        std::string("font ") + font.lfFaceName);
}

// What the dialog shows when it opens: empty fields and lists, distance 1,
// the focus in the first term field.
void checkOpening(HWND dialog) {
  CHECK(windowText(GetDlgItem(dialog, distanceFieldId)) == "1", "distance field shows 1");
  CHECK(GetFocus() == GetDlgItem(dialog, firstTermFieldId), "focus in the first term field");
  for (int id = firstTermFieldId; id < firstTermFieldId + 3; ++id) {
    CHECK(windowText(GetDlgItem(dialog, id)).empty(), "term field " + std::to_string(id) + " empty");
  }
  for (int id = firstWordListId; id <= resultsListId; ++id) {
    CHECK(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0) == 0, "list " + std::to_string(id) + " empty");
  }
}

void postKey(HWND window, WPARAM key) {
  PostMessageA(window, WM_KEYDOWN, key, 1);
  PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void postText(HWND window, const char* text) {
  for (const char* c = text; *c != '\0'; ++c) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

std::string focusName() { return "focus on " + std::to_string(GetDlgCtrlID(GetFocus())); }

// Tab moves among the four edit fields only, in template order.
int tabStep = 0;
bool tabOrderStep(HWND dialog) {
  static const int order[] = {1003, 1004, 1009, 1002};
  if (tabStep > 0) {
    CHECK(GetFocus() == GetDlgItem(dialog, order[tabStep - 1]),
          "Tab leads to " + std::to_string(order[tabStep - 1]) + ", " + focusName());
  }
  if (tabStep == 4) return true;
  ++tabStep;
  postKey(GetFocus(), VK_TAB);
  return false;
}

int keyStep = 0;
// Enter and Escape reach the dialog as IDOK and IDCANCEL, and it stays open.
bool enterEscapeStep(HWND dialog) {
  switch (keyStep++) {
    case 0:
      postKey(GetFocus(), VK_RETURN);
      return false;
    case 1:
      CHECK(okCommands == 1 && IsWindowVisible(dialog), "Enter: IDOK arrived and the dialog stays open");
      postKey(GetFocus(), VK_ESCAPE);
      return false;
    default:
      CHECK(cancelCommands == 1 && IsWindowVisible(dialog), "Escape: IDCANCEL arrived and the dialog stays open");
      return true;
  }
}

int typingStage = 0;
// Typed characters, a cp1252 letter among them, reach the term field and
// start a search that fills more lines than the lists show; the distance
// field refuses a letter; a term field takes no more than its width holds.
bool typingStep(HWND dialog) {
  HWND term = GetDlgItem(dialog, firstTermFieldId);
  HWND distance = GetDlgItem(dialog, distanceFieldId);
  HWND secondTerm = GetDlgItem(dialog, firstTermFieldId + 1);
  switch (typingStage++) {
    case 0:
      postText(term, "K\xFC");
      postText(distance, "x");
      return false;
    case 1:
      CHECK(windowText(term) == "K\xFC", "typed term: " + windowText(term));
      CHECK(windowText(distance) == "1", "distance field refused a letter: " + windowText(distance));
      for (int id : {firstWordListId, resultsListId}) {
        CHECK(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0) > 20, "list " + std::to_string(id) + " filled");
        auto style = static_cast<uint32_t>(GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE));
        CHECK((style & WS_VSCROLL) != 0, "list " + std::to_string(id) + ", longer than it is high, shows its scroll bar");
      }
      postText(secondTerm, std::string(80, 'm').c_str());
      return false;
    default: {
      std::size_t kept = windowText(secondTerm).size();
      CHECK(kept > 10 && kept < 80, "term field kept " + std::to_string(kept) + " of 80 characters");
      return true;
    }
  }
}

// A word list's horizontal bar comes and goes with its widest line; the
// list keeps the height it was given however often that happens.
void checkWordListHeightKept(HWND dialog) {
  HWND term = GetDlgItem(dialog, firstTermFieldId);
  HWND list = GetDlgItem(dialog, firstWordListId);
  RECT before = placeOf(list, dialog);
  for (int round = 0; round < 20; ++round) {
    SetWindowTextA(term, "Werkzeugwechsler");
    CHECK(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0) > before.right - before.left,
          "a line wider than the list gives it a horizontal extent");
    SetWindowTextA(term, "Zzq");
  }
  RECT after = placeOf(list, dialog);
  CHECK(samePlace(before, after), "word list height " + std::to_string(before.bottom - before.top) + " became " +
                                      std::to_string(after.bottom - after.top));
}

int step = 0;
// One step of the test; false while it waits for posted input to be handled.
void runStep(HWND dialog) {
  bool done = true;
  switch (step) {
    case 0:
      checkFrame(dialog);
      checkControls(dialog);
      checkOpening(dialog);
      break;
    case 1: done = tabOrderStep(dialog); break;
    case 2: done = enterEscapeStep(dialog); break;
    case 3: done = typingStep(dialog); break;
    case 4: checkWordListHeightKept(dialog); break;
    default:
      // The window's close command, as the close box gives it.
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
  }
  if (done) ++step;
  PostMessageA(dialog, nextStepMessage, 0, 0);
}

INT_PTR CALLBACK testDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == nextStepMessage) {
    runStep(dialog);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) ++okCommands;
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) ++cancelCommands;
  // The dialog manager shows the dialog once its queue is empty; the steps
  // start after that, with the dialog on the screen and active.
  if (message == WM_SHOWWINDOW && wParam && !started) {
    started = true;
    PostMessageA(dialog, nextStepMessage, 0, 0);
  }
  return searchDialogProc(dialog, message, wParam, lParam);
}

}  // namespace

int main() {
  HINSTANCE module = GetModuleHandleA(nullptr);
  CHECK(loadIndexData(module), "built-in data sets");
  INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(searchDialogId), nullptr, testDialogProc, 0);
  CHECK(step == 5, "every step ran");
  CHECK(result == 0, "SC_CLOSE ends the dialog with 0, got " + std::to_string(result));
  return checkSummary("test_dialog");
}
