// Writing the two data formats from plain lists, for the data tool and for
// tests. Every rule of the formats is checked, by the load-time checks
// themselves; what cannot be stored is refused with the offending item and
// the rule it breaks, never silently dropped (except words whose key is
// shorter than two codes).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "index/word_index.h"

struct ProducerWord {
  std::string displayWord;   // cp1252
  std::vector<int> pages;    // any order, repeats allowed
};

struct ProducerHeading {
  int page;                  // 1.., non-decreasing over the table
  int level;                 // 1 chapter, 2 section, 3 subsection
  std::string title;         // cp1252
};

struct ProducerError {
  std::size_t item;          // index of the offending word or heading
  DataRule rule;             // dataRuleText gives its sentence
};

// Words with equal keys are merged into one entry: the first one's display
// word, the union of the pages. Pages sorted, repeats dropped.
bool produceWordIndex(const std::vector<ProducerWord>& words,
                      std::vector<unsigned char>& bytes, ProducerError& error);

bool produceHeadingTable(const std::vector<ProducerHeading>& headings,
                         std::vector<unsigned char>& bytes, ProducerError& error);

// The key of a display word, as normaliseTerm computes it; false when a
// character lies outside the key alphabet.
bool keyOfWord(const std::string& displayWord, std::string& key);
