// A double-click on a result row of the real quirel window opens the book
// in the reader's default viewer at the row's page: a stand-in that records
// how it was started, and MuPDF itself, read back from its window's title.
#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "desktop_tree.h"
#include "window_session.h"

namespace {

const char bookPdf[] = "LinuxCNC_Documentation_de.pdf";

// A PDF of blank pages, as many as the book has, so that any page exists.
void writeBlankPdf(const std::string& path, int pages) {
  std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>",
                                      "<< /Type /Pages /Count " + std::to_string(pages) + " /Kids ["};
  for (int i = 0; i < pages; ++i) objects[1] += std::to_string(3 + i) + " 0 R ";
  objects[1] += "] >>";
  objects.resize(2 + static_cast<std::size_t>(pages), "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>");
  std::string pdf = "%PDF-1.4\n", xref = "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t i = 0; i < objects.size(); ++i) {
    xref += std::string(10 - std::to_string(pdf.size()).size(), '0') + std::to_string(pdf.size()) + " 00000 n \n";
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  std::ofstream(path, std::ios::binary) << pdf << xref << "trailer\n<< /Size " << objects.size() + 1
                                        << " /Root 1 0 R >>\nstartxref\n" << pdf.size() << "\n%%EOF\n";
}

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
    writeBlankPdf(programs + "/" + bookPdf, 1383);
  }
  // The viewers a test started, ended however it went.
  void TearDown() override {
    for (const char* viewer : {"evince", "mupdf-x11"}) endViewer(childRunning(viewer));
  }
  // The PDF page the script driver opens for the first result row of a term.
  int pageOpenedFor(const std::string& term) {
    std::string output = scriptOutput(programs + "/quirel-script", "term 1 " + term + "\nopen 0\n");
    std::size_t at = output.find(std::string("open: ") + bookPdf + " page ");
    return at == std::string::npos ? 0 : std::stoi(output.substr(output.find(" page ", at) + 6));
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

TEST_F(ViewerWindow, ADoubleClickedRowStartsTheDefaultViewerAtItsPage) {
  std::filesystem::create_directories(tree.root() + "/bin");
  std::string viewer = tree.root() + "/bin/evince";
  symlink(VIEWER_STAND_IN, viewer.c_str());
  tree.writeApplication("data/applications/leser.desktop", viewer + " %U");
  tree.makeDefault("leser.desktop");
  int page = pageOpenedFor("Spindeldrehzahl");
  ASSERT_GT(page, 0);
  QuirelWindow window(programs + "/quirel", tree.environment(), tree.root() + "/output");
  openFirstRowOf(window, "Spindeldrehzahl");
  StandInRecord record;
  ASSERT_TRUE(awaitRecord(tree.recordPath(), record));
  EXPECT_EQ(record.argv, (std::vector<std::string>{viewer, "--page-index=" + std::to_string(page),
                                                   programs + "/" + bookPdf}));
  EXPECT_EQ(record.sid, record.pid);
}

TEST_F(ViewerWindow, MupdfShowsTheRowsPageInItsTitle) {
  if (access("/usr/share/applications/mupdf.desktop", R_OK) != 0) GTEST_SKIP() << "MuPDF is not installed";
  tree.makeDefault("mupdf.desktop");
  std::vector<std::string> settings = tree.environment();
  settings.push_back("XDG_DATA_DIRS=/usr/share");  // MuPDF's own desktop file
  std::erase_if(settings, [&](const std::string& s) { return s.starts_with("XDG_DATA_DIRS=" + tree.root()); });
  int page = pageOpenedFor("Spindeldrehzahl");
  ASSERT_GT(page, 0);
  QuirelWindow window(programs + "/quirel", settings, tree.root() + "/output");
  openFirstRowOf(window, "Spindeldrehzahl");
  // "LinuxCNC_Documentation_de.pdf - 1234/1383 (100 dpi)"
  std::string title = windowTitleHolding(std::string(bookPdf) + " - ");
  EXPECT_EQ(title.substr(0, title.find('/')), std::string(bookPdf) + " - " + std::to_string(page)) << title;
}

}  // namespace
