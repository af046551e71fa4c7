// The real quirel window on a virtual X server of the test's own, driven
// with real X events (xdotool) and read back from its own widgets (the
// dump the window writes on SIGUSR1).
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// A virtual X server (Xvfb) for the whole test program.
class VirtualScreen {
 public:
  static bool available();
  // Starts the server once; its display name, such as ":3".
  static const std::string& display();
  static void stop();
};

// A suite of tests on the virtual screen: the server starts before the
// suite's first test and stops after its last.
class OnVirtualScreen : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (VirtualScreen::available()) VirtualScreen::display();
  }
  static void TearDownTestSuite() { VirtualScreen::stop(); }
};

struct ControlShown {
  std::string kind;  // field, label, list
  int id = 0;
  int x = 0, y = 0, w = 0, h = 0;
  int scrolled = 0;                // field: pixels the text is scrolled by
  std::string text;                // field, label
  int selected = -1;               // list
  bool horizontalBar = false;      // list
  int lineHeight = 0;              // list
  std::vector<std::string> lines;  // list
};

struct WindowShown {
  int x = 0, y = 0, w = 0, h = 0;
  std::string caption;
  int baseX = 0, baseY = 0;
  int focus = 0;
  std::vector<ControlShown> controls;  // template order
  const ControlShown& control(int id) const;
  std::string field(int id) const { return control(id).text; }
  const std::vector<std::string>& lines(int id) const { return control(id).lines; }
  bool operator==(const WindowShown&) const = default;
};

bool operator==(const ControlShown& a, const ControlShown& b);

// One run of the quirel program on the virtual screen.
class QuirelWindow {
 public:
  // Starts it and waits for the window: the built program, or a copy of
  // it elsewhere, with settings added to its environment and its standard
  // output and error into a file (which the viewers it starts inherit, in
  // place of the test runner's pipe).
  explicit QuirelWindow(const std::string& program = QUIREL_PROGRAM,
                        const std::vector<std::string>& settings = {}, const std::string& outputFile = "");
  ~QuirelWindow();  // ends it if it still runs
  bool opened() const { return windowId_ != 0; }

  // What the widgets show now, after every event sent so far.
  WindowShown shown();
  // Asks again until `wanted` holds (the window may still be working on an
  // event); gives the last look either way.
  WindowShown shownOnce(const std::function<bool(const WindowShown&)>& wanted);

  void type(const std::string& utf8);
  void keys(const std::vector<std::string>& names);
  void click(int x, int y);
  void clickLine(int listId, int line);
  // Two clicks in quick succession, as a reader double-clicks.
  void doubleClickLine(int listId, int line);
  // Closes the message window the program shows on top of its own, with
  // the key a reader presses; false when none came.
  bool closeMessage();
  // The window manager's close box: WM_DELETE_WINDOW to the window.
  void pressCloseBox();
  // The exit status once the program has ended, or -1 if it does not end.
  int exitStatus();
  // The window's title as the X server has it (_NET_WM_NAME, UTF-8).
  std::string title();
  // The window's place and size on the screen.
  void screenGeometry(int& x, int& y, int& w, int& h);

 private:
  pid_t pid_ = -1;
  unsigned long windowId_ = 0;
  std::string dumpPath_;
  int status_ = -1;
};

// What quirel-script, the same dialog without a window, shows for terms and
// a distance: its lists by the names "words 1".."words 3" and "results".
std::map<std::string, std::vector<std::string>> scriptShows(const std::vector<std::string>& terms,
                                                            const std::string& distance);

// What quirel-script (or a copy of it) writes for a script.
std::string scriptOutput(const std::string& program, const std::string& script);

// What its "open: PDF page N word WORD" line names for a script: the PDF
// page and the word; page 0 when no line names the PDF `pdfName`.
struct ScriptOpening {
  int page = 0;
  std::string word;
};
ScriptOpening scriptOpening(const std::string& program, const std::string& script, const std::string& pdfName);

// The title (WM_NAME) of a window on the virtual screen whose title holds
// `part`, once one is shown; "" when none comes.
std::string windowTitleHolding(const std::string& part);

// Runs a program with the given environment; its exit status and standard
// error.
int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               std::string& standardError);
