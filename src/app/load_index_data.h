// What the program finds among the executable's resources: the two data
// sets, installed with the bucket table, and the book's description.
#pragma once

#include "app/resource_numbers.h"
#include "book/book_description.h"
#include "index/word_index.h"
#include "platform/win32/win32.h"

// A resource's bytes where the executable carries them; null and 0 when it
// is missing.
DataSetBytes findEmbeddedDataSet(HINSTANCE instance, int resourceId);

// False when a data set is missing or refused; the search state then holds
// no data, and the fault, when asked for, says which rule broke where.
bool loadIndexData(HINSTANCE instance, DataSetFault* fault = nullptr);

// The description of the book the executable carries (book.txt of
// `quirel-mkdata book`), read once.
const BookDescription& carriedBook();
