// The exact lookup of a word list's display word, for the word a double-click
// tells the viewer: it reads the index through the bucket table and the
// three-code runs and writes nothing, neither the search state nor the
// derived tables, so the next keystroke finds everything as it was.
#include <cassert>

#include "search/derived_tables.h"
#include "search/search_state.h"

namespace {

// A key against the key codes of a display word, as strcmp orders them:
// below 0 when the key sorts first, 0 for the word's own key. A character
// outside the key alphabet has no code and sorts below every key.
int keyAgainstWord(const WordEntry* entry, const unsigned char* word) {
  const unsigned char* key = entryBytes(entry);
  uint32_t at = 0;
  for (; key[at] != 0; ++at) {
    const int code = word[at] == 0 ? 0 : keyCodeOfCharacter(word[at]);
    if (key[at] != code) return key[at] - code;
  }
  return word[at] == 0 ? 0 : -1;
}

// Where the walk to the word's key begins: its two-code bucket, or its
// three-code run; null when the index has none.
const WordEntry* walkStart(const unsigned char* word) {
  const int first = keyCodeOfCharacter(word[0]);
  const int second = first == 0 || word[1] == 0 ? 0 : keyCodeOfCharacter(word[1]);
  if (second == 0) return nullptr;  // no key has fewer than two codes
  if (word[2] == 0) return bucketNumbered(bucketNumber(first, second));
  const int third = keyCodeOfCharacter(word[2]);
  return third == 0 ? nullptr : runOfThreeCodes(first, second, third);
}

}  // namespace

const WordEntry* entryOfDisplayWord(const char* displayWord) {
  assert(displayWord != nullptr);
  const auto* word = reinterpret_cast<const unsigned char*>(displayWord);
  if (searchState.index == nullptr) return nullptr;
  for (const WordEntry* entry = walkStart(word); entry != nullptr; entry = nextEntry(entry)) {
    const int order = keyAgainstWord(entry, word);
    if (order == 0) return entry;
    if (order > 0) return nullptr;
  }
  return nullptr;
}

bool entryHasPage(const WordEntry* entry, int32_t page) {
  assert(entry != nullptr);
  const unsigned char* pages = pagesOf(entry);
  const int32_t count = pageCountBefore(pages);
  for (int32_t i = 0; i < count; ++i) {
    if (pageIn(pages, i) == page) return true;
  }
  return false;
}
