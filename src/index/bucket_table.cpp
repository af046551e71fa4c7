// The bucket table leads from the first two key codes to the first word
// entry that begins with them. It is built by one forward merge of the 1849
// two-code probes, in ascending order, against the sorted keys: the cursor
// never moves back, so an entry passed for one probe is never compared again.
#include <cstring>

#include "search/search_state.h"

void buildBucketTable() {
  SearchState& s = searchState;
  s.termText[2] = 0;
  const WordEntry* cursor = (s.index == nullptr || s.index[0] == 0) ? nullptr : entryAt(s.index);
  for (int first = 1; first <= keyAlphabetSize; ++first) {
    s.termText[0] = static_cast<char>(first);
    for (int second = 1; second <= keyAlphabetSize; ++second) {
      s.termText[1] = static_cast<char>(second);
      while (cursor != nullptr) {
        s.lastCompare = std::strncmp(s.termText, keyOf(cursor), 2);
        if (s.lastCompare <= 0) break;
        cursor = nextEntry(cursor);
      }
      bool found = cursor != nullptr && s.lastCompare == 0;
      s.buckets[first - 1][second - 1] = found ? cursor : nullptr;
    }
  }
}
