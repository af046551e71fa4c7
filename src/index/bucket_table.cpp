// The bucket table leads from the first two key codes to the first word
// entry that begins with them. It is built by one forward merge of the 1849
// two-code probes, in ascending order, against the sorted keys: the cursor
// never moves back, so an entry passed for one probe is never compared again.
#include <cstring>

#include "search/search_state.h"

void buildBucketTable() {
  SearchState& s = searchState;
  char probe[3] = {0, 0, 0};
  const WordEntry* cursor = firstEntryOf(s.index);
  for (int first = 1; first <= keyAlphabetSize; ++first) {
    probe[0] = static_cast<char>(first);
    for (int second = 1; second <= keyAlphabetSize; ++second) {
      probe[1] = static_cast<char>(second);
      int order = 1;  // of the probe against the cursor's key
      while (cursor != nullptr) {
        order = std::strncmp(probe, keyOf(cursor), 2);
        if (order <= 0) break;
        cursor = nextEntry(cursor);
      }
      s.buckets[first - 1][second - 1] = order == 0 ? cursor : nullptr;
    }
  }
}
