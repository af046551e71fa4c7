// The substring search by bytes, for processors with the wide compares
// (x86-64 with AVX2, checked at run time); the walk over every key is the
// way everywhere else.
#pragma once

#include <cstdint>

#include "search/search_state.h"

#if defined(__x86_64__) && defined(__GNUC__)
#define QUIREL_BYTE_SEARCH 1

// Where a search by bytes from `start` may read up to: the installed
// index's end, when `start` lies inside it and the processor has the wide
// compares; else null, and only the walk over every key may read from
// `start`.
const unsigned char* byteSearchEnd(const WordEntry* start);

// The first entry from `entry` on whose key holds the term, reading bytes
// no further than `end`; null when none.
const WordEntry* searchBytes(const WordEntry* entry, const unsigned char* end, const char* term,
                             uint32_t length);
#endif
