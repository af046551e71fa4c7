// An installed Quirel as its reader meets it (tests/kit/packages.sh runs
// this once its package is installed): the window program from /usr/bin on
// a virtual screen, a term typed, the first result row double-clicked, and
// the default viewer of a desktop of the test's own (the stand-in) started
// on the PDF the package installed, at the page and with the word the
// installed script driver names for that row.
//
//   kit_window_test PROGRAM PDF TERM    (its script driver is PROGRAM-script)
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <filesystem>

#include "desktop_tree.h"
#include "window_session.h"

namespace {

std::string program, pdf, term;

class InstalledWindow : public OnVirtualScreen {
 protected:
  void SetUp() override {
    if (!VirtualScreen::available()) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    prctl(PR_SET_CHILD_SUBREAPER, 1);
  }
  void TearDown() override { endViewer(viewerPid); }
  DesktopTree tree;
  pid_t viewerPid = 0;
};

// What the script driver opens for the term's first row.
ScriptOpening scriptOpens() {
  return scriptOpening(program + "-script", "term 1 " + term + "\nopen 0\n", std::filesystem::path(pdf).filename());
}

TEST_F(InstalledWindow, ADoubleClickedRowOpensTheInstalledPdfAtItsPage) {
  std::filesystem::create_directories(tree.root() + "/bin");
  std::string viewer = tree.root() + "/bin/evince";
  ASSERT_EQ(symlink(VIEWER_STAND_IN, viewer.c_str()), 0);
  tree.writeApplication("data/applications/leser.desktop", viewer + " %U");
  tree.makeDefault("leser.desktop");
  const ScriptOpening opening = scriptOpens();
  ASSERT_GT(opening.page, 0) << scriptOutput(program + "-script", "term 1 " + term + "\nopen 0\n");
  QuirelWindow window(program, tree.environment(), tree.root() + "/output");
  ASSERT_TRUE(window.opened()) << program;
  window.type(term);
  window.shownOnce([](const WindowShown& w) { return !w.lines(1008).empty(); });
  window.doubleClickLine(1008, 0);
  StandInRecord record;
  ASSERT_TRUE(awaitRecord(tree.recordPath(), record)) << "no viewer started";
  viewerPid = record.pid;
  EXPECT_EQ(record.argv, (std::vector<std::string>{viewer, "--page-index=" + std::to_string(opening.page),
                                                   "--find=" + opening.word, pdf}));
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: kit_window_test PROGRAM PDF TERM\n");
    return 2;
  }
  program = argv[1], pdf = argv[2], term = argv[3];
  return RUN_ALL_TESTS();
}
