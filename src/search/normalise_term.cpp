// Term normalisation turns typed cp1252 text into key codes in place: capitals
// are folded, then each symbol is replaced by its 1-based position in the key
// alphabet, whose order is the sort order of the word index.
#include <cassert>
#include <cstring>

#include "search/search_state.h"

// On a refused symbol the text is left half rewritten: codes before it, and
// the typed bytes from it on (every capital folds into the alphabet, so a
// refused byte is never one that folding would change).
bool normaliseTerm(char* text) {
  assert(text != nullptr);
  size_t length = std::strlen(text);
  for (size_t i = 0; i < length; ++i) {
    int code = keyCodeOfCharacter(static_cast<unsigned char>(text[i]));
    if (code == 0) return false;
    text[i] = static_cast<char>(code);
  }
  return true;
}
