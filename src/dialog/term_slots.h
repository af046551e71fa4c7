// Which controls belong to a term slot: its term field and its word list.
#pragma once

#include "dialog/search_dialog.h"
#include "search/search_state.h"

constexpr bool isTermSlot(int slot) { return slot >= 0 && slot < termSlots; }
constexpr int termFieldOf(int slot) { return firstTermFieldId + slot; }
constexpr int wordListOf(int slot) { return firstWordListId + slot; }
