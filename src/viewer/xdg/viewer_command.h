// The command line that opens a document at a page in the application a
// desktop file describes: its Exec line for the document, and for a viewer
// whose way to be told a page is known, that page.
#pragma once

#include <string>
#include <vector>

#include "viewer/xdg/desktop_entry.h"

// How a known viewer is told the page.
enum class PageStyle {
  optionJoined,    // one word before the document: option and page, "--page-index=12"
  optionApart,     // two words before the document: option, then page
  pageAfterFile,   // the page as the word after the document
  fileFragment,    // the document word is "PATH#PAGE"
  urlFragment,     // the document word is "file:///PATH#page=PAGE"
};

struct KnownXdgViewer {
  const char* program;         // the basename of the Exec line's program
  PageStyle style;
  const char* option;          // for the two option styles
  const char* documentation;   // where the viewer's own documentation says so
};

// The known viewer of a program's basename, or nullptr.
const KnownXdgViewer* knownXdgViewer(const std::string& programBasename);

// The argument vector for the document (an absolute path) at a page, argv[0]
// the program as the Exec line names it. A viewer not known gets the
// document where its Exec line wants it and starts at its start. False for
// an Exec line the rules refuse.
bool viewerCommandLine(const DesktopEntry& entry, const std::string& absolutePath, int page,
                       std::vector<std::string>& argv);
