// The desktop's viewer on Linux and the other free desktops: the reader's
// default application for PDF by the XDG rules, told the page where its
// way of being told one is known, and the word where it finds it from the
// page, started detached.
#include <unistd.h>

#include <cassert>

#include "viewer/document_viewer.h"
#include "viewer/xdg/detached_start.h"
#include "viewer/xdg/mime_defaults.h"
#include "viewer/xdg/viewer_command.h"

namespace {

// A viewer handed a relative name would take one that begins with '-' for
// an option; an absolute one never begins so.
std::string absolutePathOf(const char* path) {
  if (path[0] == '/') return path;
  char directory[4096];
  if (getcwd(directory, sizeof directory) == nullptr) return std::string("/") + path;
  return std::string(directory) + "/" + path;
}

}  // namespace

ViewerStart showDocumentAtPage(const char* path, int page, const char* word) {
  assert(path != nullptr && path[0] != '\0' && page >= 1 && word != nullptr && word[0] != '\0');
  DesktopEntry entry;
  if (!defaultApplicationFor(xdgDirectoriesFromEnvironment(), "application/pdf", entry)) return ViewerStart::noViewer;
  std::vector<std::string> argv;
  if (!viewerCommandLine(entry, absolutePathOf(path), page, word, argv)) return ViewerStart::failed;
  return startDetached(argv) ? ViewerStart::started : ViewerStart::failed;
}
