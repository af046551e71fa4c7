// A double-click on a result row of the real quirel window opens the book
// in the reader's default viewer at the row's page, told the word of the
// page to find: a stand-in that records how it was started, MuPDF itself,
// read back from its window's title, and Evince itself, read back from a
// screenshot of a PDF whose every page has a colour of its own.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "coloured_pages.h"
#include "desktop_tree.h"
#include "window_session.h"

namespace {

const char bookPdf[] = "LinuxCNC_Documentation_de.pdf";
constexpr int bookPages = 1383;  // as many as the book has, so that any page exists

// The child of this test (its viewers come to it) that runs a program.
pid_t childRunning(const std::string& program) {
  std::ifstream children("/proc/self/task/" + std::to_string(getpid()) + "/children");
  for (pid_t child; children >> child;) {
    std::string name;
    std::ifstream("/proc/" + std::to_string(child) + "/comm") >> name;
    if (name == program) return child;
  }
  return 0;
}

// A D-Bus session bus of the test's own, which Evince wants:
// dbus-run-session runs a shell that says the bus's address and then waits
// on its standard input; closing that ends the shell, and with it the bus.
class SessionBus {
 public:
  SessionBus() {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      execlp("dbus-run-session", "dbus-run-session", "--", "sh", "-c",
             "echo \"$DBUS_SESSION_BUS_ADDRESS\"; exec cat >/dev/null", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    for (char c; read(out[0], &c, 1) == 1 && c != '\n';) address_ += c;
    close(out[0]);
  }
  ~SessionBus() {
    if (input_ >= 0) close(input_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  const std::string& address() const { return address_; }

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  std::string address_;
};

class ViewerWindow : public OnVirtualScreen {
 protected:
  // The programs copied beside a PDF of the book's name, where they look
  // for it first; orphans (the viewers) come to this process.
  void SetUp() override {
    if (!VirtualScreen::available()) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    programs = tree.root() + "/programs";
    std::filesystem::create_directories(programs);
    std::filesystem::copy_file(QUIREL_PROGRAM, programs + "/quirel");
    std::filesystem::copy_file(QUIREL_SCRIPT_PROGRAM, programs + "/quirel-script");
    writeColouredPdf(programs + "/" + bookPdf, bookPages, "", {});
  }
  // The viewers a test started, and what Evince's bus started, ended
  // however it went.
  void TearDown() override {
    for (const char* viewer : {"evince", "mupdf-x11", "evinced", "dconf-service"}) endViewer(childRunning(viewer));
  }
  // The PDF page and word the script driver opens for the first result row
  // of a term.
  ScriptOpening openingFor(const std::string& term) {
    return scriptOpening(programs + "/quirel-script", "term 1 " + term + "\nopen 0\n", bookPdf);
  }
  // The settings that make a viewer installed in /usr/share the default.
  std::vector<std::string> settingsWithDefault(const std::string& desktopId) {
    tree.makeDefault(desktopId);
    std::vector<std::string> settings = tree.environment();
    std::erase_if(settings, [&](const std::string& s) { return s.starts_with("XDG_DATA_DIRS=" + tree.root()); });
    settings.push_back("XDG_DATA_DIRS=/usr/share");
    return settings;
  }
  // The window, a term typed, its first result row double-clicked and the
  // message that this PDF is another printing closed.
  void openFirstRowOf(QuirelWindow& window, const std::string& term) {
    ASSERT_TRUE(window.opened());
    window.type(term);
    window.shownOnce([](const WindowShown& w) { return !w.lines(1008).empty(); });
    window.doubleClickLine(1008, 0);
    ASSERT_TRUE(window.closeMessage());
  }
  DesktopTree tree;
  std::string programs;
};

TEST_F(ViewerWindow, ADoubleClickedRowStartsTheDefaultViewerAtItsPageWithItsWord) {
  std::filesystem::create_directories(tree.root() + "/bin");
  std::string viewer = tree.root() + "/bin/evince";
  symlink(VIEWER_STAND_IN, viewer.c_str());
  tree.writeApplication("data/applications/leser.desktop", viewer + " %U");
  tree.makeDefault("leser.desktop");
  const ScriptOpening opening = openingFor("Spindeldrehzahl");
  ASSERT_GT(opening.page, 0);
  QuirelWindow window(programs + "/quirel", tree.environment(), tree.root() + "/output");
  openFirstRowOf(window, "Spindeldrehzahl");
  StandInRecord record;
  ASSERT_TRUE(awaitRecord(tree.recordPath(), record));
  EXPECT_EQ(record.argv, (std::vector<std::string>{viewer, "--page-index=" + std::to_string(opening.page),
                                                   "--find=" + opening.word, programs + "/" + bookPdf}));
  EXPECT_EQ(record.sid, record.pid);
}

TEST_F(ViewerWindow, MupdfShowsTheRowsPageInItsTitle) {
  if (access("/usr/share/applications/mupdf.desktop", R_OK) != 0) GTEST_SKIP() << "MuPDF is not installed";
  const ScriptOpening opening = openingFor("Spindeldrehzahl");
  ASSERT_GT(opening.page, 0);
  QuirelWindow window(programs + "/quirel", settingsWithDefault("mupdf.desktop"), tree.root() + "/output");
  openFirstRowOf(window, "Spindeldrehzahl");
  // "LinuxCNC_Documentation_de.pdf - 1234/1383 (100 dpi)"
  std::string title = windowTitleHolding(std::string(bookPdf) + " - ");
  EXPECT_EQ(title.substr(0, title.find('/')), std::string(bookPdf) + " - " + std::to_string(opening.page)) << title;
}

// Evince given the page and the word finds the word from that page: the
// word stands on the row's page and on the first page too, and Evince shows
// the row's page with the word marked, not the first. It waits for the mark
// (Evince finds in the background), then reads the page under it.
TEST_F(ViewerWindow, EvinceShowsTheRowsPageWithItsWordMarked) {
  if (access("/usr/share/applications/org.gnome.Evince.desktop", R_OK) != 0) GTEST_SKIP() << "Evince is not installed";
  const ScriptOpening opening = openingFor("Spindeldrehzahl");
  ASSERT_GT(opening.page, 1);
  writeColouredPdf(programs + "/" + bookPdf, bookPages, opening.word, {1, opening.page});
  SessionBus bus;
  ASSERT_FALSE(bus.address().empty()) << "dbus-run-session gave no bus";
  std::vector<std::string> settings = settingsWithDefault("org.gnome.Evince.desktop");
  settings.insert(settings.end(), {"DBUS_SESSION_BUS_ADDRESS=" + bus.address(), "NO_AT_BRIDGE=1"});
  QuirelWindow window(programs + "/quirel", settings, tree.root() + "/output");
  openFirstRowOf(window, "Spindeldrehzahl");
  PageOnScreen seen;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!(seen = pageOnScreen()).marked && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  EXPECT_TRUE(seen.marked) << seen.about;
  EXPECT_EQ(seen.page, opening.page) << seen.about;
}

}  // namespace
