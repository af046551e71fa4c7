// The data sets a script run searches: each the one the program carries, or
// a file given in its place (quirel-script's --index and --headings, the
// page's quirelScript), checked and refused as the program refuses its own.
#pragma once

#include <string>
#include <vector>

#include "index/word_index.h"

// A data set given to a run in place of the carried one: the name it is
// reported by, its bytes, and why it could not be read (empty when it could).
struct GivenDataSet {
  bool given = false;   // false: the carried one
  std::string name;
  std::vector<unsigned char> bytes;
  std::string unreadable;
};

// The file at `path`, read whole (or the reason it could not be).
GivenDataSet dataSetFromFile(const char* path);

// Installs the run's two data sets, the given ones copied and kept until the
// next call. A data set that cannot be read, or that breaks a rule, is
// reported on the script's standard error as the program reports it (the
// carried one by its own name, a given one by its file's) and nothing is
// installed: false.
bool installScriptDataSets(const GivenDataSet& index, const GivenDataSet& headings, DataSetBytes carriedIndex,
                           DataSetBytes carriedHeadings);
