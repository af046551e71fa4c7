#include "viewer/xdg/viewer_command.h"

#include <cassert>

#include "viewer/xdg/exec_line.h"
#include "viewer/xdg/file_url.h"

namespace {

std::string basenameOf(const std::string& program) { return program.substr(program.find_last_of('/') + 1); }

// The document word: two of the styles carry the page in it.
std::string documentWord(const KnownXdgViewer* viewer, const std::string& path, int page) {
  if (viewer == nullptr) return path;
  if (viewer->style == PageStyle::fileFragment) return path + "#" + std::to_string(page);
  if (viewer->style == PageStyle::urlFragment) return fileUrlOfPosixPath(path) + "#page=" + std::to_string(page);
  return path;
}

// The page's own words: an option goes right after the program, before
// any word of the Exec line (which may end its options with "--"); a bare
// page right after the document.
void putPageWords(const KnownXdgViewer* viewer, int page, std::size_t documentAt, std::vector<std::string>& argv) {
  if (viewer == nullptr) return;
  std::string number = std::to_string(page);
  if (viewer->style == PageStyle::optionJoined) argv.insert(argv.begin() + 1, viewer->option + number);
  if (viewer->style == PageStyle::optionApart) argv.insert(argv.begin() + 1, {viewer->option, number});
  if (viewer->style == PageStyle::pageAfterFile) {
    argv.insert(argv.begin() + static_cast<std::ptrdiff_t>(documentAt) + 1, number);
  }
}

}  // namespace

bool viewerCommandLine(const DesktopEntry& entry, const std::string& absolutePath, int page,
                       std::vector<std::string>& argv) {
  assert(!absolutePath.empty() && absolutePath[0] == '/' && page >= 1);
  std::vector<std::string> words;
  if (!execWords(entry.exec, words) || words.empty() || words[0].empty()) return false;
  const KnownXdgViewer* viewer = knownXdgViewer(basenameOf(words[0]));
  ExecFields fields = {documentWord(viewer, absolutePath, page), entry.icon, entry.name, entry.path};
  std::size_t documentAt = 0;
  if (!expandFieldCodes(words, fields, argv, documentAt)) return false;
  putPageWords(viewer, page, documentAt, argv);
  return true;
}
