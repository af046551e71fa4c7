// Building blocks for hostile data sets, written byte by byte without any
// check, and the shipped data sets read from their files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "index/word_index.h"

using Bytes = std::vector<unsigned char>;

// A word entry: key codes, display word (cp1252), page count, pages. The
// count defaults to the number of pages.
Bytes wordEntry(const Bytes& key, const std::string& display, const std::vector<int>& pages);
Bytes wordEntryWithCount(const Bytes& key, const std::string& display, int count, const std::vector<int>& pages);

// A heading entry with its fill byte where the title's length is odd.
Bytes headingEntry(int page, int level, const std::string& title);

Bytes joined(const std::vector<Bytes>& parts);
const Bytes endMarker = {0, 0};

Bytes shippedWordIndex();
Bytes shippedHeadingTable();

// The checks' verdict on a data set held in an allocation of its own size.
struct Verdict {
  bool accepted;
  DataRule rule;
  uint32_t offset;
};
Verdict checkedWordIndex(const Bytes& bytes);
Verdict checkedHeadingTable(const Bytes& bytes);
