// A PDF whose every page is one flat colour that names it, with a word as
// invisible text on some pages, and the page of it that the virtual screen
// shows, read from a screenshot: some viewers (Evince) tell their page
// neither in their title nor over D-Bus. A viewer that marks the word draws
// over the flat colour, and the mark is read from the screenshot too.
#pragma once

#include <string>
#include <vector>

// Writes `pages` pages of 600 by 800 points; `word` (printable ASCII) stands,
// invisible, near the top of each page of `wordPages` (counted from 1).
void writeColouredPdf(const std::string& path, int pages, const std::string& word, const std::vector<int>& wordPages);

struct PageOnScreen {
  int page = 0;        // the page whose colour covers most of the screen; 0: none
  bool marked = false; // a wide filled rectangle of another colour lies on it, as a marked word does
  std::string about;   // what was seen, for a failure's message
};

// The virtual screen (VirtualScreen::display()) as it is now.
PageOnScreen pageOnScreen();
