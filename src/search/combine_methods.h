// The two methods of the proximity combination, inside the search engine.
// Both read the three slots' page maps after empty slots got their fill and
// write resultPages.
#pragma once

#include "search/search_state.h"

// An empty slot's map byte: present on every page, a hit on none.
constexpr unsigned char emptySlotFill = 0xFF;

// False, with resultPages untouched, when the maps or the distance need the
// window-by-window way.
bool combineByGaps();
void combineByWindows();
