// A page map read eight pages a turn: the bytes of pages p to p + 7 as one
// word, and the word with bit 0 of each of those bytes set.
#pragma once

#include <cstdint>
#include <cstring>

inline uint64_t eightPagesAt(const unsigned char* map) {
  uint64_t eight;
  std::memcpy(&eight, map, sizeof eight);
  return eight;
}

constexpr uint64_t lowBitOfEachPage = 0x0101010101010101ULL;
