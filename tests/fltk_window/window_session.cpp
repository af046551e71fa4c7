#include "window_session.h"

// GoogleTest first: Xlib defines macros (None, Bool) that clash with it.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
// How long the window may take to answer; generous for a loaded machine.
constexpr auto patience = std::chrono::seconds(30);

void shortWait() { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The test's environment without any display, plus the given settings.
std::vector<std::string> environmentWith(const std::vector<std::string>& settings) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string setting = *entry;
    bool replaced = false;
    for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "LSAN_OPTIONS="}) {
      replaced |= setting.rfind(name, 0) == 0;
    }
    for (const std::string& given : settings) {
      replaced |= setting.rfind(given.substr(0, given.find('=') + 1), 0) == 0;
    }
    if (replaced) continue;
    environment.push_back(setting);
  }
  environment.insert(environment.end(), settings.begin(), settings.end());
  return environment;
}

pid_t spawn(std::vector<std::string> argv, std::vector<std::string> environment, int in, int out,
            int err) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  if (in >= 0) dup2(in, 0);
  if (out >= 0) dup2(out, 1);
  if (err >= 0) dup2(err, 2);
  for (int fd = 3; fd < 256; ++fd) close(fd);
  std::vector<char*> args = pointersTo(argv);
  std::vector<char*> env = pointersTo(environment);
  execve(args[0], args.data(), env.data());
  _exit(127);
}

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(got));
  return text;
}

std::string whereIs(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    std::string candidate = dir + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

pid_t serverPid = -1;
std::string serverDisplay;

void xdotool(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), whereIs("xdotool"));
  std::string err;
  int status = runProgram(arguments, environmentWith({"DISPLAY=" + VirtualScreen::display()}), err);
  ASSERT_EQ(status, 0) << err;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) break;
    parts.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  parts.push_back(line.substr(start));
  return parts;
}

// The text is the rest of the record, tabs and all.
std::string textFrom(const std::string& line, int tabsBefore) {
  std::size_t at = 0;
  for (int i = 0; i < tabsBefore; ++i) at = line.find('\t', at) + 1;
  return line.substr(at);
}

void readControl(const std::vector<std::string>& f, const std::string& line, WindowShown& shown) {
  ControlShown c;
  c.kind = f[0];
  c.id = std::stoi(f[1]);
  c.x = std::stoi(f[2]);
  c.y = std::stoi(f[3]);
  c.w = std::stoi(f[4]);
  c.h = std::stoi(f[5]);
  if (c.kind == "field") {
    c.scrolled = std::stoi(f[6]);
    c.text = textFrom(line, 7);
  } else if (c.kind == "label") {
    c.text = textFrom(line, 6);
  } else {
    c.selected = std::stoi(f[6]);
    c.horizontalBar = f[7] == "1";
    c.lineHeight = std::stoi(f[9]);
  }
  shown.controls.push_back(c);
}

WindowShown parseDump(const std::string& text) {
  WindowShown shown;
  std::stringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::vector<std::string> f = fields(line);
    if (f[0] == "window") {
      shown.x = std::stoi(f[1]);
      shown.y = std::stoi(f[2]);
      shown.w = std::stoi(f[3]);
      shown.h = std::stoi(f[4]);
      shown.caption = textFrom(line, 5);
    } else if (f[0] == "units") {
      shown.baseX = std::stoi(f[1]);
      shown.baseY = std::stoi(f[2]);
    } else if (f[0] == "focus") {
      shown.focus = std::stoi(f[1]);
    } else if (f[0] == "line") {
      for (ControlShown& c : shown.controls) {
        if (c.id == std::stoi(f[1])) c.lines.push_back(textFrom(line, 2));
      }
    } else {
      readControl(f, line, shown);
    }
  }
  return shown;
}

unsigned long findQuirelWindow(Display* display) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  unsigned long found = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    XClassHint hint{};
    XWindowAttributes attributes{};
    if (XGetClassHint(display, children[i], &hint)) {
      // The class the desktop entry names (StartupWMClass): quirel, or a
      // book's own quirel-NAME (tools/make-kit), its class capitalised.
      bool ours = hint.res_name != nullptr && hint.res_class != nullptr &&
                  (std::strcmp(hint.res_name, "quirel") == 0 || std::strncmp(hint.res_name, "quirel-", 7) == 0) &&
                  hint.res_class[0] == 'Q' && std::strcmp(hint.res_class + 1, hint.res_name + 1) == 0;
      XGetWindowAttributes(display, children[i], &attributes);
      if (ours && attributes.map_state == IsViewable) found = children[i];
      XFree(hint.res_name);
      XFree(hint.res_class);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

std::vector<unsigned long> shownTopLevelWindows(Display* display) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  std::vector<unsigned long> shown;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return shown;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable) {
      shown.push_back(children[i]);
    }
  }
  if (children != nullptr) XFree(children);
  return shown;
}

// The test's own connection, to the server now running; closed before
// that server is stopped, so that a test suite after it may start another.
Display* testDisplay = nullptr;

// A window may go between the tree's listing and a question about it (a
// message box closed, a viewer replacing its first window): that question
// fails with BadWindow and the test asks again. Any other error ends it.
int passOverVanishedWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow) return 0;
  char text[200];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d)\n", text, error->request_code);
  std::abort();
}

Display* openTestDisplay() {
  if (testDisplay == nullptr) {
    XSetErrorHandler(passOverVanishedWindows);
    testDisplay = XOpenDisplay(VirtualScreen::display().c_str());
  }
  return testDisplay;
}

// The letters the tests type beyond the server's US keyboard, given keys of
// their own before any window starts: left to xdotool, a key mapped while
// the window runs may reach it before the window has heard of the mapping.
void mapExtraLetters(Display* display) {
  const KeySym letters[] = {XK_odiaeresis, XK_ssharp, XK_lstroke, XK_ccaron};
  int first, last, perKeycode;
  XDisplayKeycodes(display, &first, &last);
  KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perKeycode);
  std::size_t next = 0;
  for (int code = last; code >= first && next < std::size(letters); --code) {
    KeySym* row = map + (code - first) * perKeycode;
    bool unused = true;
    for (int i = 0; i < perKeycode; ++i) unused &= row[i] == NoSymbol;
    if (!unused) continue;
    KeySym both[2] = {letters[next], letters[next]};
    XChangeKeyboardMapping(display, code, 2, both, 1);
    ++next;
  }
  XFree(map);
  XSync(display, False);
}

}  // namespace

bool VirtualScreen::available() { return !whereIs("Xvfb").empty() && !whereIs("xdotool").empty(); }

const std::string& VirtualScreen::display() {
  if (serverPid > 0) return serverDisplay;
  int report[2];
  if (pipe(report) != 0) return serverDisplay;
  std::string fd = std::to_string(report[1]);
  serverPid = fork();
  if (serverPid == 0) {
    close(report[0]);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    execl(whereIs("Xvfb").c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0",
          "1280x1024x24", "-nolisten", "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(report[1]);
  std::string number = readAll(report[0]);
  close(report[0]);
  while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
  serverDisplay = ":" + number;
  if (Display* display = openTestDisplay()) mapExtraLetters(display);
  return serverDisplay;
}

void VirtualScreen::stop() {
  if (serverPid <= 0) return;
  if (testDisplay != nullptr) XCloseDisplay(testDisplay);
  testDisplay = nullptr;
  kill(serverPid, SIGTERM);
  waitpid(serverPid, nullptr, 0);
  serverPid = -1;
}

const ControlShown& WindowShown::control(int id) const {
  for (const ControlShown& c : controls) {
    if (c.id == id) return c;
  }
  static const ControlShown none;
  ADD_FAILURE() << "no control " << id << " in the window";
  return none;
}

bool operator==(const ControlShown& a, const ControlShown& b) {
  return a.kind == b.kind && a.id == b.id && a.x == b.x && a.y == b.y && a.w == b.w &&
         a.h == b.h && a.scrolled == b.scrolled && a.text == b.text && a.selected == b.selected &&
         a.horizontalBar == b.horizontalBar && a.lines == b.lines;
}

QuirelWindow::QuirelWindow(const std::string& program, const std::vector<std::string>& settings,
                           const std::string& outputFile) {
  char directory[] = "/tmp/quirel-window-XXXXXX";
  dumpPath_ = std::string(mkdtemp(directory)) + "/widgets";
  Display* display = openTestDisplay();
  if (display == nullptr) return;
  std::vector<std::string> own = {"DISPLAY=" + VirtualScreen::display(), "WINDOW_LAYER_DUMP=" + dumpPath_,
                                  "LSAN_OPTIONS=suppressions=" QUIREL_LEAK_SUPPRESSIONS};
  own.insert(own.end(), settings.begin(), settings.end());
  int output = outputFile.empty() ? -1 : open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_ = spawn({program}, environmentWith(own), -1, output, output);
  if (output >= 0) close(output);
  auto deadline = Clock::now() + patience;
  while (windowId_ == 0 && Clock::now() < deadline && waitpid(pid_, &status_, WNOHANG) == 0) {
    windowId_ = findQuirelWindow(display);
    if (windowId_ == 0) shortWait();
  }
  if (windowId_ == 0) return;
  // Without a window manager the keyboard follows the pointer: keep it on
  // the window, clear of every control.
  xdotool({"mousemove", "--window", std::to_string(windowId_), "4", "4"});
  shownOnce([](const WindowShown& w) { return w.focus == 1002; });
}

QuirelWindow::~QuirelWindow() {
  if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status_, 0);
  }
  unlink(dumpPath_.c_str());
  rmdir(dumpPath_.substr(0, dumpPath_.rfind('/')).c_str());
}

WindowShown QuirelWindow::shown() {
  unlink(dumpPath_.c_str());
  if (pid_ <= 0 || kill(pid_, SIGUSR1) != 0) return {};
  auto deadline = Clock::now() + patience;
  while (access(dumpPath_.c_str(), R_OK) != 0) {
    if (Clock::now() > deadline) {
      ADD_FAILURE() << "the window wrote no dump";
      return {};
    }
    shortWait();
  }
  std::ifstream file(dumpPath_, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return parseDump(text.str());
}

WindowShown QuirelWindow::shownOnce(const std::function<bool(const WindowShown&)>& wanted) {
  auto deadline = Clock::now() + patience;
  WindowShown last = shown();
  while (!wanted(last) && Clock::now() < deadline) {
    shortWait();
    last = shown();
  }
  return last;
}

void QuirelWindow::type(const std::string& utf8) {
  xdotool({"type", "--delay", "15", "--", utf8});
}

void QuirelWindow::keys(const std::vector<std::string>& names) {
  std::vector<std::string> arguments = {"key", "--delay", "15"};
  arguments.insert(arguments.end(), names.begin(), names.end());
  xdotool(arguments);
}

void QuirelWindow::click(int x, int y) {
  xdotool({"mousemove", "--window", std::to_string(windowId_), std::to_string(x), std::to_string(y),
           "click", "1"});
  // Back off the controls, where the keyboard still reaches the window.
  xdotool({"mousemove", "--window", std::to_string(windowId_), "4", "4"});
}

void QuirelWindow::clickLine(int listId, int line) {
  WindowShown now = shown();
  const ControlShown& list = now.control(listId);
  ASSERT_GT(list.lineHeight, 0);
  click(list.x + 12, list.y + 1 + line * list.lineHeight + list.lineHeight / 2);
}

void QuirelWindow::doubleClickLine(int listId, int line) {
  WindowShown now = shown();
  const ControlShown& list = now.control(listId);
  ASSERT_GT(list.lineHeight, 0);
  int y = list.y + 1 + line * list.lineHeight + list.lineHeight / 2;
  xdotool({"mousemove", "--window", std::to_string(windowId_), std::to_string(list.x + 12), std::to_string(y),
           "click", "--repeat", "2", "--delay", "80", "1"});
}

// The message window is the one top-level window shown besides ours; the
// keyboard follows the pointer onto it.
bool QuirelWindow::closeMessage() {
  Display* display = openTestDisplay();
  auto deadline = Clock::now() + patience;
  for (; Clock::now() < deadline; shortWait()) {
    for (unsigned long window : shownTopLevelWindows(display)) {
      if (window == windowId_) continue;
      xdotool({"mousemove", "--window", std::to_string(window), "20", "20", "key", "Return"});
      return true;
    }
  }
  return false;
}

void QuirelWindow::pressCloseBox() {
  Display* display = openTestDisplay();
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = windowId_;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, windowId_, False, NoEventMask, &event);
  XFlush(display);
}

int QuirelWindow::exitStatus() {
  auto deadline = Clock::now() + patience;
  while (pid_ > 0 && Clock::now() < deadline) {
    if (waitpid(pid_, &status_, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
    }
    shortWait();
  }
  return -1;
}

std::string QuirelWindow::title() {
  Display* display = openTestDisplay();
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  XGetWindowProperty(display, windowId_, XInternAtom(display, "_NET_WM_NAME", False), 0, 4096,
                     False, XInternAtom(display, "UTF8_STRING", False), &type, &format, &count,
                     &after, &data);
  std::string title = data != nullptr ? reinterpret_cast<char*>(data) : "";
  if (data != nullptr) XFree(data);
  return title;
}

void QuirelWindow::screenGeometry(int& x, int& y, int& w, int& h) {
  Display* display = openTestDisplay();
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, windowId_, &attributes);
  Window child;
  XTranslateCoordinates(display, windowId_, DefaultRootWindow(display), 0, 0, &x, &y, &child);
  w = attributes.width;
  h = attributes.height;
}

int runProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
               std::string& standardError) {
  int err[2];
  if (pipe(err) != 0) return -1;
  int quiet = open("/dev/null", O_RDWR);
  pid_t pid = spawn(argv, environment, quiet, quiet, err[1]);
  close(err[1]);
  close(quiet);
  standardError = readAll(err[0]);
  close(err[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string scriptOutput(const std::string& program, const std::string& script) {
  int in[2], out[2];
  if (pipe(in) != 0 || pipe(out) != 0) return {};
  pid_t pid = spawn({program}, environmentWith({}), in[0], out[1], -1);
  close(in[0]);
  close(out[1]);
  [[maybe_unused]] ssize_t written = write(in[1], script.data(), script.size());
  close(in[1]);
  std::string output = readAll(out[0]);
  close(out[0]);
  waitpid(pid, nullptr, 0);
  return output;
}

ScriptOpening scriptOpening(const std::string& program, const std::string& script, const std::string& pdfName) {
  std::stringstream lines(scriptOutput(program, script));
  const std::string head = "open: " + pdfName + " page ";
  ScriptOpening opening;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(head, 0) != 0) continue;
    std::stringstream rest(line.substr(head.size()));
    std::string word;
    if (rest >> opening.page >> word >> opening.word && word == "word") return opening;
  }
  return {};
}

std::string windowTitleHolding(const std::string& part) {
  Display* display = openTestDisplay();
  auto deadline = Clock::now() + patience;
  for (; Clock::now() < deadline; shortWait()) {
    for (unsigned long window : shownTopLevelWindows(display)) {
      char* name = nullptr;
      std::string title = XFetchName(display, window, &name) && name != nullptr ? name : "";
      if (name != nullptr) XFree(name);
      if (title.find(part) != std::string::npos) return title;
    }
  }
  return "";
}

std::map<std::string, std::vector<std::string>> scriptShows(const std::vector<std::string>& terms,
                                                            const std::string& distance) {
  std::string script;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    script += "term " + std::to_string(i + 1) + " " + terms[i] + "\n";
  }
  script += "distance " + distance + "\nshow\n";
  std::string output = scriptOutput(QUIREL_SCRIPT_PROGRAM, script);
  // "words 1: 12 lines, selected -" heads the lines of a list, each indented
  // by two blanks.
  std::map<std::string, std::vector<std::string>> lists;
  std::stringstream lines(output);
  std::string line, current;
  while (std::getline(lines, line)) {
    if (line.rfind("  ", 0) == 0 && !current.empty()) {
      lists[current].push_back(line.substr(2));
    } else if (line.find(':') != std::string::npos) {
      current = line.substr(0, line.find(':'));
      lists[current];
    }
  }
  return lists;
}
