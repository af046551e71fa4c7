// Term normalisation turns typed cp1252 text into key codes in place: capitals
// are folded, then each symbol is replaced by its 1-based position in the key
// alphabet, whose order is the sort order of the word index.
#include <cassert>
#include <cstring>

#include "search/search_state.h"

// On a refused symbol the text is left half rewritten: codes before it, the
// symbol itself (already folded, which never changes a refused byte) and the
// typed bytes after it.
bool normaliseTerm(char* text) {
  assert(text != nullptr);
  size_t length = std::strlen(text);
  for (size_t i = 0; i < length; ++i) {
    unsigned char folded = foldCase(static_cast<unsigned char>(text[i]));
    text[i] = static_cast<char>(folded);
    int code = keyCodeOf(folded);
    if (code == 0) return false;
    text[i] = static_cast<char>(code);
  }
  return true;
}
