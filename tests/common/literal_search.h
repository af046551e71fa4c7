// The search engine's two scans in their plainest form, byte test by byte
// test: every position of every key, every page of every window. They are
// the reference the fast scans must agree with, and the baseline the
// benchmarks measure them against.
#pragma once

#include <cstdint>

#include "search/search_state.h"

// First entry from `start` on whose key holds the term, or null.
const WordEntry* literalFindSubstringMatch(const WordEntry* start, const char* term, uint32_t length);

// The proximity combination over searchState and distance, window by window.
bool literalCombineTerms();
