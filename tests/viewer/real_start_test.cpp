// The viewer really started: a stand-in, made the reader's default in a
// desktop of the test's own, records how. One stand-in per way of being
// told the page, and one the service does not know.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "desktop_tree.h"
#include "platform/viewer/document_viewer.h"

namespace {

// A name a shell would take apart, and an option if it were not absolute.
const char awkwardName[] = "-a b \"q\" 'c' $HOME; x.pdf";

class RealStart : public testing::Test {
 protected:
  void SetUp() override {
    // Orphans come to this process, so that it can reap the viewers it ends.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    tree.applyToProcess();
    tree.write(std::string("books/") + awkwardName, "%PDF-1.4\n");
    document = tree.root() + "/books/" + awkwardName;
  }
  // The stand-in under a viewer's name, the reader's default.
  void standInAs(const std::string& name, const std::string& exec) {
    std::filesystem::create_directories(tree.root() + "/bin");
    symlink(VIEWER_STAND_IN, (tree.root() + "/bin/" + name).c_str());
    tree.writeApplication("data/applications/leser.desktop", exec);
    tree.makeDefault("leser.desktop");
  }
  DesktopTree tree;
  std::string document;
};

struct Case {
  const char* name;
  const char* exec;        // BIN for the stand-ins' directory
  int page;
  std::vector<std::string> after;   // what follows argv[0]; DOC for the document
};

TEST_F(RealStart, EachStandInGetsTheDocumentAndPageUntouchedInASessionOfItsOwn) {
  const Case cases[] = {
      {"evince", "BIN/evince %U", 412, {"--page-index=412", "DOC"}},
      {"okular", "BIN/okular %U", 3, {"-p", "3", "DOC"}},
      {"zathura", "\"BIN/zathura\" %U", 2, {"--page=2", "DOC"}},
      {"mupdf", "BIN/mupdf %f", 7, {"DOC", "7"}},
      {"qpdfview", "BIN/qpdfview --unique %F", 9, {"--unique", "DOC#9"}},
      {"firefox", "BIN/firefox %u", 5, {"URL#page=5"}},
      {"lesewerk", "BIN/lesewerk --neu %f", 8, {"--neu", "DOC"}},
  };
  int stray = open("/dev/null", O_RDONLY);  // open across the start, not close-on-exec
  std::string url = "file://" + tree.root() + "/books/-a%20b%20%22q%22%20%27c%27%20%24HOME%3B%20x.pdf";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string exec = c.exec;
    exec.replace(exec.find("BIN"), 3, tree.root() + "/bin");
    standInAs(c.name, exec);
    unlink(tree.recordPath().c_str());
    ASSERT_EQ(showDocumentAtPage(document.c_str(), c.page), ViewerStart::started);
    // The child in between is reaped already, and the viewer still runs.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), 0);
    StandInRecord record;
    ASSERT_TRUE(awaitRecord(tree.recordPath(), record));
    std::vector<std::string> expected = {tree.root() + "/bin/" + c.name};
    for (std::string word : c.after) {
      if (word.starts_with("DOC")) word.replace(0, 3, document);
      if (word.starts_with("URL")) word.replace(0, 3, url);
      expected.push_back(word);
    }
    EXPECT_EQ(record.argv, expected);
    EXPECT_EQ(record.sid, record.pid);
    EXPECT_NE(record.sid, getsid(0));
    EXPECT_EQ(record.descriptors, (std::vector<int>{0, 1, 2}));
    endViewer(record.pid);
  }
  close(stray);
}

TEST_F(RealStart, AViewerByNameIsFoundOnThePath) {
  standInAs("lesewerk", "lesewerk %f");
  std::string path = std::getenv("PATH");
  setenv("PATH", (tree.root() + "/bin:" + path).c_str(), 1);
  ViewerStart start = showDocumentAtPage(document.c_str(), 4);
  setenv("PATH", path.c_str(), 1);
  ASSERT_EQ(start, ViewerStart::started);
  StandInRecord record;
  ASSERT_TRUE(awaitRecord(tree.recordPath(), record));
  EXPECT_EQ(record.argv, (std::vector<std::string>{"lesewerk", document}));
  endViewer(record.pid);
}

TEST_F(RealStart, NoDefaultIsNoViewerAndAProgramThatCannotRunFailed) {
  EXPECT_EQ(showDocumentAtPage(document.c_str(), 1), ViewerStart::noViewer);
  tree.write("bin/not-executable", "#!/bin/sh\n");
  const char* execs[] = {"/no/such/viewer %f", "lesewerk-nirgends %f", "BIN/not-executable %f", "lesen %x"};
  for (std::string exec : execs) {
    if (exec.starts_with("BIN")) exec.replace(0, 3, tree.root() + "/bin");
    tree.writeApplication("data/applications/leser.desktop", exec);
    tree.makeDefault("leser.desktop");
    EXPECT_EQ(showDocumentAtPage(document.c_str(), 1), ViewerStart::failed) << exec;
  }
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // no child left behind
}

}  // namespace
