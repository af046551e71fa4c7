// The command line that opens a document at a page in the application a
// desktop file describes: its Exec line for the document, and for a viewer
// whose way to be told a page is known, that page, and where it finds a word
// from that page, the word of the page to find.
#pragma once

#include <string>
#include <vector>

#include "viewer/xdg/desktop_entry.h"

// How a known viewer is told the page, or the word.
enum class Told {
  nothing,         // not at all (a word: no way, or one that would leave the page)
  optionJoined,    // one word before the document: option and value, "--page-index=12"
  optionApart,     // two words before the document: option, then value
  afterDocument,   // the value as the word after the document (a page)
  fileFragment,    // the document word is "PATH#PAGE" (a page)
  urlFragment,     // in the file URL's fragment after the option: "#page=12", "&search=Wort"
};

struct KnownXdgViewer {
  const char* program;         // the basename of the Exec line's program
  Told page;
  const char* pageOption;      // what comes before the page, for the option and URL ways
  Told word;
  const char* wordOption;      // what comes before the word, for the option and URL ways
  const char* documentation;   // where the viewer's own documentation says so
  const char* withPageAndWord; // what it does given both, and so what it is told
};

// The known viewer of a program's basename, or nullptr.
const KnownXdgViewer* knownXdgViewer(const std::string& programBasename);

// The argument vector for the document (an absolute path) at a page, with a
// word of it to find (UTF-8, not empty), argv[0] the program as the Exec line
// names it. A viewer not known gets the document where its Exec line wants it
// and starts at its start. False for an Exec line the rules refuse.
bool viewerCommandLine(const DesktopEntry& entry, const std::string& absolutePath, int page, const std::string& word,
                       std::vector<std::string>& argv);
