#include "viewer/xdg/viewer_command.h"

#include <cassert>

#include "viewer/percent_encoding.h"
#include "viewer/xdg/exec_line.h"
#include "viewer/xdg/file_url.h"

namespace {

std::string basenameOf(const std::string& program) { return program.substr(program.find_last_of('/') + 1); }

// The document word: the file and URL ways carry the page in it, and a URL
// the word as well, percent-encoded, so that it ends nowhere but at its end.
std::string documentWord(const KnownXdgViewer* viewer, const std::string& path, int page, const std::string& word) {
  if (viewer == nullptr) return path;
  if (viewer->page == Told::fileFragment) return path + "#" + std::to_string(page);
  if (viewer->page != Told::urlFragment) return path;
  std::string url = fileUrlOfPosixPath(path) + viewer->pageOption + std::to_string(page);
  if (viewer->word == Told::urlFragment) url += viewer->wordOption + percentEncoded(word);
  return url;
}

// A value told by an option: one word or two, none for the other ways.
void appendOptionWords(Told told, const char* option, const std::string& value, std::vector<std::string>& words) {
  if (told == Told::optionJoined) words.push_back(option + value);
  if (told == Told::optionApart) words.insert(words.end(), {option, value});
}

// The page's and the word's own words: options go right after the program,
// before any word of the Exec line (which may end its options with "--");
// a bare page right after the document.
void putToldWords(const KnownXdgViewer* viewer, int page, const std::string& word, std::size_t documentAt,
                  std::vector<std::string>& argv) {
  if (viewer == nullptr) return;
  const std::string number = std::to_string(page);
  if (viewer->page == Told::afterDocument) {
    argv.insert(argv.begin() + static_cast<std::ptrdiff_t>(documentAt) + 1, number);
  }
  std::vector<std::string> options;
  appendOptionWords(viewer->page, viewer->pageOption, number, options);
  appendOptionWords(viewer->word, viewer->wordOption, word, options);
  argv.insert(argv.begin() + 1, options.begin(), options.end());
}

}  // namespace

bool viewerCommandLine(const DesktopEntry& entry, const std::string& absolutePath, int page, const std::string& word,
                       std::vector<std::string>& argv) {
  assert(!absolutePath.empty() && absolutePath[0] == '/' && page >= 1 && !word.empty());
  std::vector<std::string> words;
  if (!execWords(entry.exec, words) || words.empty() || words[0].empty()) return false;
  const KnownXdgViewer* viewer = knownXdgViewer(basenameOf(words[0]));
  ExecFields fields = {documentWord(viewer, absolutePath, page, word), entry.icon, entry.name, entry.path};
  std::size_t documentAt = 0;
  if (!expandFieldCodes(words, fields, argv, documentAt)) return false;
  putToldWords(viewer, page, word, documentAt, argv);
  return true;
}
