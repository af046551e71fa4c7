// The viewer really started: a stand-in, made the reader's default in a
// desktop of the test's own, records how. One stand-in per way of being
// told the page, and one the service does not know, found on $PATH.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "desktop_tree.h"
#include "viewer/document_viewer.h"

namespace {

// A name and a word a shell would take apart, and an option if they were
// not where they are.
const char awkwardName[] = "-a b \"q\" 'c' $HOME; x.pdf";
const char awkwardUrl[] = "-a%20b%20%22q%22%20%27c%27%20%24HOME%3B%20x.pdf";
const char awkwardWord[] = "-Gr\xC3\xBC\xC3\x9F \"e\" $HOME;";
const char awkwardWordInUrl[] = "-Gr%C3%BC%C3%9F%20%22e%22%20%24HOME%3B";

struct Case {
  const char* exec;   // BIN/ for the stand-ins' directory, which is also on $PATH
  int page;
  const char* argv;   // after the program, joined by '|'; DOC the document, URL its file URL,
                      // WORD the word, WURL the word in a URL
};

std::string expanded(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
  return text;
}

TEST(RealStart, EachStandInGetsDocumentPageAndWordUntouchedInASessionOfItsOwn) {
  const Case cases[] = {
      {"BIN/evince %U", 412, "--page-index=412|--find=WORD|DOC"},
      {"BIN/okular %U", 3, "-p|3|DOC"},
      {"\"BIN/zathura\" %U", 2, "--page=2|--find=WORD|DOC"},
      {"BIN/mupdf %f", 7, "DOC|7"},
      {"BIN/qpdfview --unique %F", 9, "--search|WORD|--unique|DOC#9"},
      {"BIN/firefox %u", 5, "URL#page=5&search=WURL"},
      {"lesewerk --neu %f", 8, "--neu|DOC"},
  };
  prctl(PR_SET_CHILD_SUBREAPER, 1);  // the viewers come to this process, which ends them
  DesktopTree tree;
  tree.applyToProcess();
  std::string bin = tree.root() + "/bin/", document = tree.root() + "/books/" + awkwardName;
  tree.write(std::string("books/") + awkwardName, "%PDF-1.4\n");
  std::filesystem::create_directories(bin);
  setenv("PATH", (bin + ":" + std::getenv("PATH")).c_str(), 1);
  int stray = open("/dev/null", O_RDONLY);  // open across the starts, not close-on-exec
  for (const Case& c : cases) {
    std::string exec = expanded(c.exec, "BIN/", bin);
    std::string program = expanded(exec.substr(0, exec.find(' ')), "\"", "");
    symlink(VIEWER_STAND_IN, (bin + program.substr(program.rfind('/') + 1)).c_str());
    tree.writeApplication("data/applications/leser.desktop", exec);
    tree.makeDefault("leser.desktop");
    unlink(tree.recordPath().c_str());
    ASSERT_EQ(showDocumentAtPage(document.c_str(), c.page, awkwardWord), ViewerStart::started) << exec;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), 0);  // the child in between is reaped, the viewer runs
    StandInRecord record;
    ASSERT_TRUE(awaitRecord(tree.recordPath(), record));
    std::string argv = expanded(expanded(program + "|" + c.argv, "DOC", document), "WURL", awkwardWordInUrl);
    argv = expanded(expanded(argv, "URL", "file://" + tree.root() + "/books/" + awkwardUrl), "WORD", awkwardWord);
    std::string recorded;
    for (const std::string& word : record.argv) recorded += (recorded.empty() ? "" : "|") + word;
    EXPECT_EQ(recorded, argv);
    EXPECT_EQ(record.sid, record.pid);
    EXPECT_NE(record.sid, getsid(0));
    EXPECT_EQ(record.descriptors, (std::vector<int>{0, 1, 2}));
    endViewer(record.pid);
  }
  close(stray);
}

TEST(RealStart, NoDefaultIsNoViewerAndAProgramThatCannotRunFailed) {
  DesktopTree tree;
  tree.applyToProcess();
  EXPECT_EQ(showDocumentAtPage("/b.pdf", 1, "Welle"), ViewerStart::noViewer);
  tree.write("not-executable", "#!/bin/sh\n");
  for (std::string exec : {"/no/such/viewer %f", "lesewerk-nirgends %f", "ROOT/not-executable %f", "lesen %x"}) {
    tree.writeApplication("data/applications/leser.desktop", expanded(exec, "ROOT", tree.root()));
    tree.makeDefault("leser.desktop");
    EXPECT_EQ(showDocumentAtPage("/b.pdf", 1, "Welle"), ViewerStart::failed) << exec;
  }
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // no child left behind
}

}  // namespace
