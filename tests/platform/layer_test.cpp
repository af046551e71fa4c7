// The window-system layer's controls behave as the dialog code relies on,
// seen through the Win32 calls alone.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"
#include "platform/win32/win32.h"

namespace {

struct Notification {
  int id;
  int code;
  LPARAM control;
  bool operator==(const Notification&) const = default;
};

std::vector<Notification> notifications;
std::function<void(HWND)> body;
constexpr UINT runBody = WM_APP;

INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) PostMessageA(dialog, runBody, 0, 0);
  if (message == runBody) body(dialog);
  if (message == WM_COMMAND) notifications.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

INT_PTR runDialog(std::function<void(HWND)> run) {
  notifications.clear();
  body = std::move(run);
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(102), nullptr, recordingProc, 0);
}

LPARAM text(const char* t) { return reinterpret_cast<LPARAM>(t); }

std::string getText(HWND window, WPARAM size) {
  char buffer[32] = "untouched";
  LRESULT copied = SendMessageA(window, WM_GETTEXT, size, text(buffer));
  return std::to_string(copied) + ":" + buffer;
}

TEST(Layer, SettingAnEditTextReportsTheChangeBeforeTheCallReturns) {
  runDialog([](HWND dialog) {
    HWND field = GetDlgItem(dialog, 1003);
    char source[] = "Kurbel";
    notifications.clear();
    SendMessageA(field, WM_SETTEXT, 0, text(source));
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0], (Notification{1003, EN_CHANGE, reinterpret_cast<LPARAM>(field)}));
    source[0] = 'X';  // the field holds its own copy
    EXPECT_EQ(getText(field, 32), "6:Kurbel");
    SendMessageA(field, WM_SETTEXT, 0, text("Kurbel"));  // the same text reports again
    EXPECT_EQ(notifications.size(), 2u);
    EndDialog(dialog, 0);
  });
}

TEST(Layer, GetTextCopiesAtMostTheBufferSizeLessOne) {
  runDialog([](HWND dialog) {
    HWND field = GetDlgItem(dialog, 1002);
    SendMessageA(field, WM_SETTEXT, 0, text("abcdef"));
    EXPECT_EQ(getText(field, 0), "0:untouched");
    EXPECT_EQ(getText(field, 1), "0:");
    EXPECT_EQ(getText(field, 3), "2:ab");
    EXPECT_EQ(getText(field, 7), "6:abcdef");
    EXPECT_EQ(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0), 6);
    EndDialog(dialog, 0);
  });
}

TEST(Layer, ListKeepsTheOrderOfAddingAndInsertsOnTop) {
  runDialog([](HWND dialog) {
    HWND list = GetDlgItem(dialog, 1005);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, text("b")), 0);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, text("a")), 1);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, text("[top]")), 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(std::string(listLine(list, 0)) + listLine(list, 1) + listLine(list, 2), "[top]ba");
    char line[8] = {};
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 1, text(line)), 1);
    EXPECT_STREQ(line, "b");
    EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(-1), text(line)), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_RESETCONTENT, 0, 0), LB_OKAY);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
    EndDialog(dialog, 0);
  });
}

TEST(Layer, ProgramSelectionIsSilentAndUserSelectionIsReported) {
  runDialog([](HWND dialog) {
    HWND list = GetDlgItem(dialog, 1006);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    SendMessageA(list, LB_ADDSTRING, 0, text("x"));
    SendMessageA(list, LB_ADDSTRING, 0, text("y"));
    notifications.clear();
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 5, 0), LB_ERR);  // no such line: unchanged
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(notifications.empty());
    userSelectsLine(list, 1);  // a click on the selected line is reported too
    userSelectsLine(list, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    Notification click{1006, LBN_SELCHANGE, reinterpret_cast<LPARAM>(list)};
    EXPECT_EQ(notifications, (std::vector<Notification>{click, click}));
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EndDialog(dialog, 0);
  });
}

TEST(Layer, OnlyTheResultsListTakesTabStops) {
  runDialog([](HWND dialog) {
    int stop[] = {50};
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1008), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stop)), TRUE);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1005), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stop)), FALSE);
    EndDialog(dialog, 0);
  });
}

TEST(Layer, DialogBoxGivesTheEndDialogValueOrMinusOne) {
  EXPECT_EQ(runDialog([](HWND dialog) { EndDialog(dialog, 42); }), 42);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), nullptr, recordingProc, 0), -1);
  EXPECT_EQ(GetDlgItem(nullptr, 1002), nullptr);
  EXPECT_EQ(SendMessageA(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(Layer, ControlsOfAnEndedDialogAreGone) {
  HWND kept = nullptr;
  runDialog([&](HWND dialog) {
    kept = GetDlgItem(dialog, 1002);
    EndDialog(dialog, 0);
  });
  EXPECT_FALSE(IsWindow(kept));
  EXPECT_EQ(SendMessageA(kept, WM_SETTEXT, 0, text("x")), 0);
}

TEST(Layer, UnhandledCloseBecomesAPostedCancel) {
  static int runs;
  runs = 0;
  runDialog([](HWND dialog) {
    if (++runs == 1) {
      notifications.clear();
      userClosesDialog(dialog);
      EXPECT_TRUE(notifications.empty());    // posted, not sent
      PostMessageA(dialog, runBody, 0, 0);   // queued behind the cancel
      return;
    }
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0], (Notification{IDCANCEL, 0, 0}));
    EndDialog(dialog, 0);
  });
}

struct TypingCase {
  int field;
  const char* before;
  const char* typed;
  EditInput input;
  bool accepted;
  const char* after;
};

TEST(Layer, TypingIsFilteredByStyleAndWidth) {
  const std::string full44(44, 'w');
  const TypingCase cases[] = {
      {1009, "", "7", EditInput::typing, true, "7"},
      {1009, "", "a", EditInput::typing, false, ""},        // ES_NUMBER
      {1009, "", "-3", EditInput::pasting, true, "-3"},     // a paste passes
      {1009, "12", "3", EditInput::typing, false, "12"},    // two digits fill it
      {1009, "", "4\r\n5", EditInput::pasting, true, "4"},  // a paste's first line only
      {1002, "", "Kurbel\nwelle", EditInput::pasting, true, "Kurbel"},
      {1002, "", "Kurbel", EditInput::typing, true, "Kurbel"},
      {1002, full44.c_str(), "x", EditInput::typing, false, full44.c_str()},  // no scrolling
  };
  runDialog([&](HWND dialog) {
    for (const TypingCase& c : cases) {
      HWND field = GetDlgItem(dialog, c.field);
      SendMessageA(field, WM_SETTEXT, 0, text(c.before));
      int end = static_cast<int>(std::string(c.before).size());
      EXPECT_EQ(userEditsText(field, end, end, c.typed, c.input), c.accepted) << c.before << "+" << c.typed;
      EXPECT_EQ(std::string(windowText(field)), c.after);
    }
    EndDialog(dialog, 0);
  });
}

// A backend's text input gives the field's whole new text (UTF-8) and the
// caret; the field takes one run of it, as typing or pasting would.
struct FieldEditCase {
  int field;
  const char* before;  // cp1252
  const char* after;   // UTF-8, as the backend's input holds it
  int caret;
  EditInput input;
  bool taken;
  int caretThen;
  const char* text;    // cp1252, what the field then holds
};

TEST(Layer, AFieldTakesABackendsEditAndSaysWhereTheCaretStands) {
  const std::string w42(42, 'w'), w42xyz = w42 + "xyz", w42xy = w42 + "xy";  // 44 'w' fill it
  const FieldEditCase cases[] = {
      {1002, "Spindl", "Spindel", 6, EditInput::typing, true, 6, "Spindel"},  // inside the text
      {1002, "", "\xC3\x9C" "bersch", 7, EditInput::typing, true, 7, "\xDC" "bersch"},
      {1002, "a", "a\xE2\x82\xAC", 2, EditInput::typing, true, 2, "a\x80"},   // the euro sign
      {1009, "1", "1x", 2, EditInput::typing, false, 1, "1"},                 // refused: at the run
      {1009, "1", "1x", 2, EditInput::pasting, true, 2, "1x"},                // a paste passes
      {1002, "ab", "aXY\nZb", 5, EditInput::pasting, true, 3, "aXYb"},        // its first line
      {1002, w42.c_str(), w42xyz.c_str(), 45, EditInput::pasting, true, 44, w42xy.c_str()},  // cut
  };
  runDialog([&](HWND dialog) {
    for (const FieldEditCase& c : cases) {
      HWND field = GetDlgItem(dialog, c.field);
      SendMessageA(field, WM_SETTEXT, 0, text(c.before));
      FieldEdit edited = userEditsField(field, c.after, c.caret, c.input);
      EXPECT_EQ(edited.taken, c.taken) << c.after;
      EXPECT_EQ(edited.caret, c.caretThen) << c.after;
      EXPECT_EQ(std::string(windowText(field)), c.text);
    }
    EndDialog(dialog, 0);
  });
}

TEST(Layer, TabMovesAmongTheEditFieldsOnly) {
  runDialog([](HWND dialog) {
    std::vector<int> visited;
    for (int i = 0; i < 5; ++i) {
      visited.push_back(windowId(GetFocus()));
      userPressesKey(dialog, DialogKey::tab);
    }
    EXPECT_EQ(visited, (std::vector<int>{1002, 1003, 1004, 1009, 1002}));
    EndDialog(dialog, 0);
  });
}

}  // namespace
