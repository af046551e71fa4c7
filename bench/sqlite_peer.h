// The same book in SQLite, in memory: one table of (key, display word,
// pages), its primary key on the key, answering the same lookups and the
// same combination as Quirel, with the same page maps as their outcome.
#pragma once

#include <cstdint>
#include <string>

// Copies the installed word index into the peer's table, once.
void openPeer();

// The words whose key begins with / holds `keyCodes`, at most 101 rows as
// Quirel looks at; the pages of the first 100 are marked in `pageMap`.
// Both give the number of rows read.
int peerPrefixLookup(const std::string& keyCodes, unsigned char* pageMap);
int peerSubstringLookup(const std::string& keyCodes, unsigned char* pageMap);

// Copies the three slots' hit pages from the search state into the peer.
void peerTakeSlots();

// The combination of the three slots' hits at `pageDistance` into `marks`,
// the query answering, for each window start, each slot's first hit.
void peerCombine(int32_t pageDistance, unsigned char* marks);
