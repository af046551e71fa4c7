// Gathering the scanned words into one entry per key: the display word is
// the form the book uses most often, ties going to the form that comes
// first; the pages are the union over all forms.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "form_numbers.h"
#include "word_scanner.h"

struct TalliedWord {
  std::string displayWord;  // UTF-8
  std::vector<int> pages;   // ascending, no repeats
};

// The words of one form.
struct FormTally {
  std::size_t count = 0;
  std::size_t firstSeen = 0;   // the order of its first word
  int lastPage = 0;            // where it was last met
};

// The words as they are scanned, counted by form: a book's text runs to
// millions of words, but to few forms, and only each form's key is formed.
class WordTally : public WordSink {
 public:
  void take(const ScannedWord& word) override;
  bool holds(const std::string& form) const override;

  // Sorted by key. A word whose key cannot be formed is dropped and counted.
  std::vector<TalliedWord> tallied(std::size_t& dropped) const;

 private:
  FormNumbers forms_;
  std::vector<FormTally> tallies_;                        // by form number
  std::vector<std::pair<std::size_t, int>> formPages_;    // a form's number and a page it stands on, as met
};

// The tally of a few words at once.
std::vector<TalliedWord> tallyWords(const std::vector<ScannedWord>& words, std::size_t& dropped);
