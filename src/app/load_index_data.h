// Finding the two data sets among the executable's resources and installing
// them, with the bucket table.
#pragma once

#include "index/word_index.h"
#include "platform/win32/win32.h"

// The book's description (book.txt of `quirel-mkdata book`: its PDF and
// which PDF page carries which printed page) travels beside the data sets.
constexpr int bookDescriptionResourceId = 105;

// A data set's bytes where the executable carries them; null and 0 when the
// resource is missing.
struct EmbeddedDataSet {
  const unsigned char* bytes;
  uint32_t size;
};
EmbeddedDataSet findEmbeddedDataSet(HINSTANCE instance, int resourceId);

// False when a data set is missing or refused; the search state then holds
// no data, and the fault, when asked for, says which rule broke where.
bool loadIndexData(HINSTANCE instance, DataSetFault* fault = nullptr);
