// Term normalisation turns typed cp1252 text into key codes in place: capitals
// are folded, then each symbol is replaced by its 1-based position in the key
// alphabet, whose order is the sort order of the word index.
#include <cassert>
#include <cstring>

#include "search/search_state.h"

static const char keyAlphabet[] = "-/a\xE4" "bcdefghijklmno\xF6pqrs\xDFtu\xFCvwxyz'0123456789";
static_assert(sizeof keyAlphabet == keyAlphabetSize + 1);

// Only A-Z and the three umlaut capitals fold; every other byte stays and
// must then be a member of the alphabet on its own.
static unsigned char foldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c == 0xC4 || c == 0xD6 || c == 0xDC) return static_cast<unsigned char>(c + 0x20);
  return c;
}

static int keyCodeOf(unsigned char symbol) {
  for (int code = 1; code <= keyAlphabetSize; ++code) {
    if (static_cast<unsigned char>(keyAlphabet[code - 1]) == symbol) return code;
  }
  return 0;
}

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
