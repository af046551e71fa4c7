// The built-in book as the benchmarks meet it: its two data sets, the terms
// they look up, and made-up page maps of two densities.
#pragma once

#include <cstdint>

#include "search/search_state.h"

struct DataSet {
  const unsigned char* bytes;
  uint32_t size;
};

// The data sets the executable carries (word index 103, heading table 104).
DataSet builtInDataSet(int resourceId);

// Checks and installs both data sets and builds the bucket table; ends the
// program when they are refused, since no figure would mean anything.
void installBuiltInBook();

// One whole lookup into `slot`; gives the number of words taken. With
// `formatted`, each word line is written as the word list would show it.
int lookUpToEnd(int slot, const char* term, bool formatted);

// Page maps of the three slots, from a fixed seed: `sparse` holds a few dozen
// pages per slot, `dense` most pages of the book.
enum class Density { sparse, dense };
void fillSlotsWith(Density density);
