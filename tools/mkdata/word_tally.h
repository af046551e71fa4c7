// Gathering the scanned words into one entry per key: the display word is
// the form the book uses most often, ties going to the form that comes
// first; the pages are the union over all forms.
#pragma once

#include <string>
#include <vector>

#include "word_scanner.h"

struct TalliedWord {
  std::string displayWord;  // UTF-8
  std::vector<int> pages;   // ascending, no repeats
};

// Sorted by key. A word whose key cannot be formed is dropped and counted.
std::vector<TalliedWord> tallyWords(const std::vector<ScannedWord>& words, std::size_t& dropped);
