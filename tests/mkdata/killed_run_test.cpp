// The book command killed at every step that changes the file system
// (strace's fault injection: SIGKILL at the Nth call of one system call):
// OUT_DIR holds the old set or the new one, whole, and the next run leaves
// the new set and nothing beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "pdf_maker.h"
#include "tool_runner.h"

namespace fs = std::filesystem;

namespace {

using FileSet = std::map<std::string, std::string>;  // name -> content

FileSet filesIn(const std::string& directory) {
  FileSet files;
  std::error_code failure;
  for (const auto& entry : fs::directory_iterator(directory, failure))
    files[entry.path().filename().string()] = readFile(entry.path().string());
  return files;
}

// An older edition of the small book: other words, another title.
MadeBook olderBook() {
  MadeBook book = smallBook();
  book.title = "Das alte Spindelbuch";
  book.pages[5].lines = madeUpWords(200, 100);
  return book;
}

// The calls by which a run changes the file system: making its sibling
// directory, making each file durable, the exchange, and the removals.
const char* const changingCalls[] = {"mkdir", "fsync", "renameat2", "unlinkat"};

// The leak checker of a sanitizer build cannot work under ptrace; a traced
// run that goes through would fail on it.
std::string untracedLeakCheck() {
  const char* options = std::getenv("ASAN_OPTIONS");
  return std::string("ASAN_OPTIONS=") + (options != nullptr ? options : "") + ":detect_leaks=0";
}

TEST(KilledRun, LeavesTheOldSetOrTheNewOneAndTheNextRunClearsUp) {
  ScratchDir scratch;
  writePdf(scratch.path("alt.pdf"), olderBook());
  writePdf(scratch.path("neu.pdf"), smallBook());
  ASSERT_EQ(runTool({"book", scratch.path("alt.pdf"), scratch.path("old")}, scratch).exitCode, 0);
  ASSERT_EQ(runTool({"book", scratch.path("neu.pdf"), scratch.path("new")}, scratch).exitCode, 0);
  const FileSet oldSet = filesIn(scratch.path("old")), newSet = filesIn(scratch.path("new"));
  ASSERT_EQ(oldSet.size(), 7u);
  const std::vector<std::string> afterwards = {"alt.pdf", "neu.pdf", "new", "old", "out"};
  for (const char* call : changingCalls) {
    for (int when = 1;; ++when) {
      ASSERT_LT(when, 40) << call;
      fs::remove_all(scratch.path("out"));
      fs::copy(scratch.path("old"), scratch.path("out"));
      const std::string injection = std::string("inject=") + call + ":signal=SIGKILL:when=" + std::to_string(when);
      const ToolRun killed = runTool({"book", scratch.path("neu.pdf"), scratch.path("out")}, scratch,
                                     {"strace", "-f", "-o", "/dev/null", "-E", untracedLeakCheck(), "-e", injection});
      const FileSet left = filesIn(scratch.path("out"));
      EXPECT_TRUE(left == oldSet || left == newSet) << call << " " << when << ": " << left.size() << " files";
      if (killed.exitCode == 0) break;  // no Nth call: the run went through
      ASSERT_EQ(killed.exitCode, 128 + 9) << call << " " << when << ": " << killed.err;
      const ToolRun next = runTool({"book", scratch.path("neu.pdf"), scratch.path("out")}, scratch);
      EXPECT_EQ(next.exitCode, 0) << next.err;
      EXPECT_TRUE(filesIn(scratch.path("out")) == newSet) << call << " " << when;
      EXPECT_EQ(scratch.names(), afterwards) << call << " " << when;
    }
  }
}

// A run of an earlier version, killed between its renames, left
// temporaries in OUT_DIR; they are the tool's own and go with the old set.
TEST(KilledRun, TemporariesOfAnEarlierVersionGoWithTheOldSet) {
  ScratchDir scratch;
  writePdf(scratch.path("neu.pdf"), smallBook());
  fs::create_directory(scratch.path("out"));
  writeFile(scratch.path("out/words.tsv"), "old");
  writeFile(scratch.path("out/book.txt.Ab12Cd"), "half");
  const ToolRun run = runTool({"book", scratch.path("neu.pdf"), scratch.path("out")}, scratch);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(filesIn(scratch.path("out")).size(), 7u);
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"neu.pdf", "out"}));
}

// OUT_DIR replaced whole must never take a reader's own files with it.
TEST(KilledRun, AnOutputDirectoryWithOtherFilesIsRefusedUntouched) {
  ScratchDir scratch;
  writePdf(scratch.path("neu.pdf"), smallBook());
  fs::create_directory(scratch.path("out"));
  writeFile(scratch.path("out/notes.txt"), "mine");
  const ToolRun run = runTool({"book", scratch.path("neu.pdf"), scratch.path("out")}, scratch);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, scratch.path("out") +
                         ": holds \"notes.txt\", which the book command does not write; give an empty directory "
                         "or a new one\n");
  EXPECT_EQ(filesIn(scratch.path("out")), (FileSet{{"notes.txt", "mine"}}));
  EXPECT_EQ(scratch.names(), (std::vector<std::string>{"neu.pdf", "out"}));
}

// OUT_DIR given as a symbolic link: the directory it points to is replaced
// and the link stays.
TEST(KilledRun, ALinkedOutputDirectoryIsReplacedWhereItPoints) {
  ScratchDir scratch;
  writePdf(scratch.path("neu.pdf"), smallBook());
  fs::create_directory(scratch.path("real"));
  fs::create_directory_symlink("real", scratch.path("out"));
  const ToolRun run = runTool({"book", scratch.path("neu.pdf"), scratch.path("out")}, scratch);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(fs::is_symlink(scratch.path("out")));
  EXPECT_EQ(filesIn(scratch.path("real")).size(), 7u);
}

}  // namespace
