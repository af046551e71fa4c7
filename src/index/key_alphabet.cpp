// The key alphabet: a key code is a symbol's 1-based position in it, and its
// order is the sort order of the word index. Typed terms and the checks of
// display words read it here alone.
#include "index/word_index.h"

#include <cassert>

static const char keyAlphabet[] = "-/a\xE4" "bcdefghijklmno\xF6pqrs\xDFtu\xFCvwxyz'0123456789";
static_assert(sizeof keyAlphabet == keyAlphabetSize + 1);

// Only A-Z and the three umlaut capitals fold; every other byte stays and
// must then be a member of the alphabet on its own.
unsigned char foldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c == 0xC4 || c == 0xD6 || c == 0xDC) return static_cast<unsigned char>(c + 0x20);
  return c;
}

int keyCodeOf(unsigned char symbol) {
  for (int code = 1; code <= keyAlphabetSize; ++code) {
    if (static_cast<unsigned char>(keyAlphabet[code - 1]) == symbol) return code;
  }
  return 0;
}

int keyCodeOfCharacter(unsigned char c) {
  return keyCodeOf(foldCase(c));
}

unsigned char keySymbolOf(int code) {
  assert(code >= 1 && code <= keyAlphabetSize);
  return static_cast<unsigned char>(keyAlphabet[code - 1]);
}
