// The quirel window as a reader meets it: real key presses and clicks on a
// virtual X server, read back from the window's own widgets. What the lists
// must hold comes from quirel-script, the same dialog without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "window_session.h"

namespace {

class Window : public OnVirtualScreen {
 protected:
  void SetUp() override {
    if (!VirtualScreen::available()) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    window = std::make_unique<QuirelWindow>();
    ASSERT_TRUE(window->opened());
  }
  std::unique_ptr<QuirelWindow> window;
};

int pixels(int units, int base, int divisor) {
  return static_cast<int>(std::lround(static_cast<double>(units) * base / divisor));
}

const char* const caption =
    "Quirel - Volltextsuche für LinuxCNC - Dokumentation (deutsch), V2.9.0~pre1+git20230208."
    "f1270d6ed7, von den LinuxCNC-Entwicklern, LinuxCNC.org 2026, https://linuxcnc.org";

struct Placed {
  int id, x, y, w, h;
  const char* text;  // labels only
};

// The controls in template order, in dialog units.
const Placed layout[] = {
    {-1, 10, 5, 500, 10,
     "Suchbegriffe (ein Stern als erstes Zeichen sucht alle Worte, die den Suchbegriff an "
     "beliebiger Stelle enthalten)"},
    {1002, 10, 15, 180, 10, nullptr},
    {1003, 210, 15, 180, 10, nullptr},
    {1004, 410, 15, 180, 10, nullptr},
    {-1, 196, 16, 9, 10, "&"},
    {-1, 396, 16, 9, 10, "&"},
    {-1, 10, 30, 500, 10,
     "Gefundene Worte und Seitenzahlen (maximal 100 Worte, maximal 20 Seitenzahlen pro Wort)"},
    {1005, 10, 40, 180, 204, nullptr},
    {1006, 210, 40, 180, 204, nullptr},
    {1007, 410, 40, 180, 204, nullptr},
    {-1, 10, 245, 500, 10, "Seitenzahlen und Kontext der verknüpften Suchbegriffe"},
    {1008, 10, 255, 580, 135, nullptr},
    {-1, 10, 392, 105, 10, "Unschärfe bei der Verknüpfung:"},
    {1009, 118, 391, 13, 10, nullptr},
    {-1, 134, 392, 50, 10, "Seite(n)"},
};

TEST_F(Window, OpensAtTheTopLeftWithItsControlsInPlace) {
  WindowShown shown = window->shown();
  // A ten-point font gives base units of about 6 to 8 by 14 to 16 pixels.
  EXPECT_GE(shown.baseX, 5);
  EXPECT_LE(shown.baseX, 9);
  EXPECT_GE(shown.baseY, 13);
  EXPECT_LE(shown.baseY, 18);
  int x, y, w, h;
  window->screenGeometry(x, y, w, h);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(w, pixels(600, shown.baseX, 4));
  EXPECT_EQ(h, pixels(410, shown.baseY, 8));
  EXPECT_EQ(window->title(), caption);
  ASSERT_EQ(shown.controls.size(), std::size(layout));
  for (std::size_t i = 0; i < std::size(layout); ++i) {
    const Placed& p = layout[i];
    const ControlShown& c = shown.controls[i];
    SCOPED_TRACE("control " + std::to_string(i + 1));
    EXPECT_EQ(c.id, p.id);
    EXPECT_EQ(c.x, pixels(p.x, shown.baseX, 4));
    EXPECT_EQ(c.y, pixels(p.y, shown.baseY, 8));
    EXPECT_EQ(c.w, pixels(p.w, shown.baseX, 4));
    EXPECT_EQ(c.h, pixels(p.h, shown.baseY, 8));
    if (p.text != nullptr) {
      EXPECT_EQ(c.text, p.text);
    }
  }
}

TEST_F(Window, OpensEmptyWithTheFocusInTheFirstTermAndDistanceOne) {
  WindowShown shown = window->shown();
  EXPECT_EQ(shown.focus, 1002);
  for (int id : {1002, 1003, 1004}) EXPECT_EQ(shown.field(id), "") << id;
  EXPECT_EQ(shown.field(1009), "1");
  for (int id : {1005, 1006, 1007, 1008}) EXPECT_TRUE(shown.lines(id).empty()) << id;
}

TEST_F(Window, TypedTermsAndDistanceShowWhatTheDialogProduced) {
  window->type("Werkzeugwechsel");
  window->keys({"Tab"});
  window->type("*spindeldreh");
  window->keys({"Tab", "Tab", "ctrl+a"});
  window->type("3");
  auto expected = scriptShows({"Werkzeugwechsel", "*spindeldreh"}, "3");
  ASSERT_FALSE(expected["results"].empty());
  WindowShown shown = window->shownOnce(
      [&](const WindowShown& w) { return w.lines(1008) == expected["results"]; });
  EXPECT_EQ(shown.field(1002), "Werkzeugwechsel");
  EXPECT_EQ(shown.field(1003), "*spindeldreh");
  EXPECT_EQ(shown.field(1009), "3");
  EXPECT_EQ(shown.lines(1005), expected["words 1"]);
  EXPECT_EQ(shown.lines(1006), expected["words 2"]);
  EXPECT_TRUE(shown.lines(1007).empty());
  EXPECT_EQ(shown.lines(1008), expected["results"]);
  // Nothing in the results list is selected; its rows keep their tab.
  EXPECT_EQ(shown.control(1008).selected, -1);
  EXPECT_NE(shown.lines(1008)[0].find('\t'), std::string::npos);
  EXPECT_FALSE(shown.control(1008).horizontalBar);
}

TEST_F(Window, HorizontalBarOnlyWhereTheWidestWordLineIsWiderThanTheList) {
  window->type("Werkzeugwechsler");  // lines with many pages
  window->keys({"Tab"});
  window->type("Kurb");  // two short lines
  auto expected = scriptShows({"Werkzeugwechsler", "Kurb"}, "1");
  WindowShown shown = window->shownOnce(
      [&](const WindowShown& w) { return w.lines(1006) == expected["words 2"]; });
  EXPECT_EQ(shown.lines(1005), expected["words 1"]);
  EXPECT_TRUE(shown.control(1005).horizontalBar);
  EXPECT_FALSE(shown.control(1006).horizontalBar);
  EXPECT_FALSE(shown.control(1007).horizontalBar);
}

TEST_F(Window, TermFieldTakesTypingOnlyWhileItFits) {
  std::string many(80, 'm');
  window->type(many);
  WindowShown shown = window->shownOnce(
      [](const WindowShown& w) { return !w.lines(1005).empty(); });
  std::string kept = shown.field(1002);
  EXPECT_GT(kept.size(), 10u);
  EXPECT_LT(kept.size(), many.size());
  EXPECT_EQ(kept, many.substr(0, kept.size()));
  EXPECT_EQ(shown.control(1002).scrolled, 0);  // the text never scrolls
  EXPECT_EQ(shown.lines(1005), std::vector<std::string>{"[Suchbegriff nicht gefunden]"});
  EXPECT_EQ(shown.control(1005).selected, 0);
}

TEST_F(Window, DistanceFieldTakesTwoDigitsAndNoLetters) {
  window->keys({"Tab", "Tab", "Tab", "End"});
  window->type("a");
  window->keys({"BackSpace"});
  window->type("x7");
  WindowShown shown = window->shownOnce([](const WindowShown& w) { return w.field(1009) == "7"; });
  EXPECT_EQ(shown.focus, 1009);
  EXPECT_EQ(shown.field(1009), "7");
  window->type("45");
  shown = window->shownOnce([](const WindowShown& w) { return w.field(1009) == "74"; });
  EXPECT_EQ(shown.field(1009), "74");
  EXPECT_EQ(shown.control(1009).scrolled, 0);
}

// The keyboard gives the distance field digits only; a paste passes, and a
// minus sign then reaches the dialog, as on Windows.
TEST_F(Window, DistanceFieldTakesAPasteUnfiltered) {
  window->type("Kurbel");
  window->keys({"Tab", "Tab"});
  window->type("-3");
  window->keys({"ctrl+a", "ctrl+c", "Tab", "ctrl+a", "minus", "ctrl+v"});
  auto expected = scriptShows({"Kurbel", "", "-3"}, "-3");
  WindowShown shown = window->shownOnce([&](const WindowShown& w) {
    return w.field(1009) == "-3" && w.lines(1008) == expected["results"];
  });
  EXPECT_EQ(shown.field(1009), "-3");
  EXPECT_EQ(shown.lines(1005), expected["words 1"]);
  EXPECT_EQ(shown.lines(1007), expected["words 3"]);
  EXPECT_EQ(shown.lines(1008), expected["results"]);
}

TEST_F(Window, TabMovesThroughTheFourEditFieldsOnly) {
  const int order[] = {1003, 1004, 1009, 1002, 1003};
  for (int expected : order) {
    window->keys({"Tab"});
    WindowShown shown = window->shownOnce([&](const WindowShown& w) { return w.focus == expected; });
    EXPECT_EQ(shown.focus, expected);
  }
  window->keys({"shift+Tab", "shift+Tab"});
  EXPECT_EQ(window->shownOnce([](const WindowShown& w) { return w.focus == 1009; }).focus, 1009);
}

TEST_F(Window, ClickingAWordLineTakesTheWordAndArrowKeysMoveOn) {
  window->type("Werkzeugwechsler");
  auto before = scriptShows({"Werkzeugwechsler"}, "1")["words 1"];
  ASSERT_GT(before.size(), 3u);
  window->shownOnce([&](const WindowShown& w) { return w.lines(1005) == before; });
  window->clickLine(1005, 1);
  std::string word = before[1].substr(0, before[1].find(','));
  WindowShown shown = window->shownOnce([&](const WindowShown& w) { return w.field(1002) == word; });
  EXPECT_EQ(shown.field(1002), word);
  EXPECT_EQ(shown.lines(1005), scriptShows({word}, "1")["words 1"]);
  EXPECT_EQ(shown.focus, 1005);
  // The list keeps the keyboard: each move down takes the word it reaches.
  std::vector<std::string> refilled = shown.lines(1005);
  ASSERT_GT(refilled.size(), 1u);
  window->keys({"Down"});
  shown = window->shownOnce([&](const WindowShown& w) { return w.field(1002) != word; });
  std::string next = shown.field(1002);
  bool fromTheList = false;
  for (const std::string& line : refilled) fromTheList |= line.substr(0, line.find(',')) == next;
  EXPECT_TRUE(fromTheList) << next;
  EXPECT_EQ(shown.lines(1005), scriptShows({next}, "1")["words 1"]);
}

TEST_F(Window, ClickingAMessageLineOrAResultRowChangesNothing) {
  window->type("Werkzeug");  // more than 100 words: a message on top
  window->keys({"Tab"});
  window->type("Spindeldrehzahl");
  WindowShown before = window->shownOnce([](const WindowShown& w) {
    return w.field(1003) == "Spindeldrehzahl" && !w.lines(1008).empty();
  });
  ASSERT_EQ(before.field(1002), "Werkzeug");
  ASSERT_EQ(before.lines(1005)[0], "[Mehr als 100 Funde. Bitte Suchbegriff erweitern]");
  ASSERT_EQ(before.lines(1008)[0],
            "[Für mindestens einen Suchbegriff existieren mehr als 100 Funde]");
  window->clickLine(1005, 0);
  window->clickLine(1008, 0);
  WindowShown after = window->shown();
  EXPECT_EQ(after.field(1002), "Werkzeug");
  EXPECT_EQ(after.field(1003), "Spindeldrehzahl");
  EXPECT_EQ(after.lines(1005), before.lines(1005));
  EXPECT_EQ(after.lines(1008), before.lines(1008));
}

TEST_F(Window, TextIsUtf8OnScreenAndCp1252Inside) {
  struct Case {
    std::string typed, field;
  };
  // Umlauts and ß are cp1252 and search as typed; a character cp1252 cannot
  // hold reaches the search as '?', which no term accepts.
  const Case cases[] = {
      {"Störung", "Störung"},
      {"Maßeinheit", "Maßeinheit"},
      {"Spinde\u0142", "Spinde?"},
      {"\u010dSpindel", "?Spindel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    window->keys({"ctrl+a", "BackSpace"});
    window->type(c.typed);
    auto expected = scriptShows({c.field}, "1")["words 1"];
    WindowShown shown = window->shownOnce(
        [&](const WindowShown& w) { return w.field(1002) == c.field && w.lines(1005) == expected; });
    EXPECT_EQ(shown.field(1002), c.field);
    EXPECT_EQ(shown.lines(1005), expected);
  }
  WindowShown shown = window->shown();
  EXPECT_EQ(shown.lines(1005), std::vector<std::string>{"[Suchbegriff enthält unzulässige Zeichen]"});
}

TEST_F(Window, EnterAndEscapeLeaveItOpenTheCloseBoxEndsWithZero) {
  window->type("Spindel");
  WindowShown before = window->shownOnce([](const WindowShown& w) { return !w.lines(1005).empty(); });
  window->keys({"Return", "Escape", "KP_Enter"});
  EXPECT_EQ(window->shown(), before);
  window->pressCloseBox();
  EXPECT_EQ(window->exitStatus(), 0);
}

TEST_F(Window, AltF4EndsWithZero) {
  window->keys({"alt+F4"});
  EXPECT_EQ(window->exitStatus(), 0);
}

}  // namespace
