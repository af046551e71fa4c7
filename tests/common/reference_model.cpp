#include "reference_model.h"

#include <algorithm>

#include "search/search_state.h"

namespace {

const std::string alphabet = "-/a\xE4" "bcdefghijklmno\xF6pqrs\xDFtu\xFCvwxyz'0123456789";

int int16At(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<int16_t>(static_cast<uint16_t>(b[at] | (b[at + 1] << 8)));
}

// Text up to the next zero byte; false when the data set ends first.
bool textAt(const std::vector<unsigned char>& b, size_t at, std::string& text) {
  text.clear();
  for (size_t i = at; i < b.size(); ++i) {
    if (b[i] == 0) return true;
    text.push_back(static_cast<char>(b[i]));
  }
  return false;
}

bool endsExactly(const std::vector<unsigned char>& b, size_t at) {
  return at + 2 == b.size() && b[at] == 0 && b[at + 1] == 0;
}

bool fail(std::string& reason, const char* why) {
  reason = why;
  return false;
}

bool wordFollowsRules(const ModelWord& w, const ModelWord* before, std::string& reason) {
  if (w.key.size() < 2 || w.key.size() > 879) return fail(reason, "key length");
  for (unsigned char code : w.key) {
    if (code < 1 || code > 43) return fail(reason, "key codes");
  }
  std::string key;
  if (!modelKeyOf(w.display, key) || key != w.key) return fail(reason, "key from display word");
  if (before != nullptr && !(before->key < w.key)) return fail(reason, "order");
  for (size_t i = 0; i < w.pages.size(); ++i) {
    if (w.pages[i] < 0 || w.pages[i] > 1799) return fail(reason, "pages");
    if (i > 0 && w.pages[i] <= w.pages[i - 1]) return fail(reason, "pages");
  }
  return true;
}

bool titleCharacter(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return false;
  return c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

}  // namespace

bool modelKeyOf(const std::string& text, std::string& key) {
  key.clear();
  for (char typed : text) {
    auto c = static_cast<unsigned char>(typed);
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 0x20);
    if (c == 0xC4 || c == 0xD6 || c == 0xDC) c = static_cast<unsigned char>(c + 0x20);
    size_t at = alphabet.find(static_cast<char>(c));
    if (c == 0 || at == std::string::npos) return false;
    key.push_back(static_cast<char>(at + 1));
  }
  return true;
}

bool modelReadWordIndex(const std::vector<unsigned char>& b, std::vector<ModelWord>& words,
                        std::string& reason) {
  words.clear();
  size_t at = 0;
  while (at < b.size() && b[at] != 0) {
    ModelWord w;
    w.offset = static_cast<uint32_t>(at);
    if (!textAt(b, at, w.key)) return fail(reason, "key runs past the end");
    size_t wordAt = at + w.key.size() + 1;
    if (!textAt(b, wordAt, w.display)) return fail(reason, "display word runs past the end");
    if (w.display.size() != w.key.size()) return fail(reason, "key from display word");
    size_t countAt = wordAt + w.display.size() + 1;
    if (countAt + 2 > b.size()) return fail(reason, "page count runs past the end");
    int count = int16At(b, countAt);
    if (count < 0 || count > 1800) return fail(reason, "page count");
    if (countAt + 2 + 2 * static_cast<size_t>(count) > b.size()) return fail(reason, "pages run past the end");
    for (int i = 0; i < count; ++i) w.pages.push_back(int16At(b, countAt + 2 + 2 * static_cast<size_t>(i)));
    if (!wordFollowsRules(w, words.empty() ? nullptr : &words.back(), reason)) return false;
    words.push_back(w);
    at = countAt + 2 + 2 * static_cast<size_t>(count);
  }
  return endsExactly(b, at) || fail(reason, "end marker");
}

bool modelReadHeadingTable(const std::vector<unsigned char>& b, std::vector<ModelHeading>& headings,
                           std::string& reason) {
  headings.clear();
  size_t at = 0;
  size_t inForce[4] = {0, 0, 0, 0};
  while (at + 2 <= b.size() && int16At(b, at) != 0) {
    if (at + 3 > b.size()) return fail(reason, "entry runs past the end");
    ModelHeading h{int16At(b, at), static_cast<int8_t>(b[at + 2]), ""};
    if (!textAt(b, at + 3, h.title)) return fail(reason, "title runs past the end");
    int before = headings.empty() ? 0 : headings.back().level;
    if (h.page < (headings.empty() ? 1 : headings.back().page)) return fail(reason, "pages");
    if (h.level < 1 || h.level > 3) return fail(reason, "levels");
    if (before == 0 && h.level != 1) return fail(reason, "order of levels");
    if (h.level == 3 && before != 2 && before != 3) return fail(reason, "order of levels");
    for (unsigned char c : h.title) {
      if (!titleCharacter(c)) return fail(reason, "titles");
    }
    inForce[h.level] = h.title.size();
    for (int lower = h.level + 1; lower <= 3; ++lower) inForce[lower] = 0;
    if (inForce[1] + inForce[2] + inForce[3] > 977) return fail(reason, "titles");
    size_t next = at + 4 + h.title.size();
    if (h.title.size() % 2 == 1) {
      if (next >= b.size() || b[next] != 0) return fail(reason, "fill byte");
      ++next;
    }
    headings.push_back(h);
    at = next;
  }
  return endsExactly(b, at) || fail(reason, "end marker");
}

ModelLookup modelLookUp(const std::vector<ModelWord>& words, const std::string& typed) {
  ModelLookup out;
  if (typed.empty()) return out;
  bool star = typed[0] == '*';
  std::string term = star ? typed.substr(1) : typed;
  std::string key;
  out.hitCount = -1;
  if (term.empty()) return out.message = messageStarTooShort, out;
  if (!modelKeyOf(term, key)) return out.message = messageInvalidSymbol, out;
  if (star && key.size() == 1) return out.message = messageStarTooShort, out;
  out.hitCount = 0;
  for (const ModelWord& w : words) {
    bool matches = star ? w.key.find(key) != std::string::npos : w.key.compare(0, key.size(), key) == 0;
    if (!matches) continue;
    if (out.hitCount == 100) return out.hitCount = 101, out.message = messageTooManyWords, out;
    ++out.hitCount;
    out.offsets.push_back(w.offset);
    for (int page : w.pages) out.pages[static_cast<size_t>(page)] = 1;
  }
  if (out.hitCount == 0) out.hitCount = -1, out.message = messageNotFound;
  return out;
}

// Each slot's first hit at or after every page, found once from the top, so
// that a window asks one question per slot.
std::vector<unsigned char> modelCombine(const ModelLookup (&slots)[3], int pageDistance) {
  std::vector<int> firstHit[3];
  for (int n = 0; n < 3; ++n) {
    firstHit[n].assign(1801, 1800);
    for (int page = 1799; page >= 0; --page) {
      bool hit = slots[n].pages[static_cast<size_t>(page)] != 0;
      firstHit[n][static_cast<size_t>(page)] = hit ? page : firstHit[n][static_cast<size_t>(page) + 1];
    }
  }
  std::vector<unsigned char> result(1800, 0);
  for (int start = 0; start < 1800 && pageDistance >= 0; ++start) {
    int end = std::min(start + pageDistance, 1799);
    int lowest = 1800, highest = -1;
    bool allPresent = true;
    for (int n = 0; n < 3; ++n) {
      if (slots[n].hitCount == 0) continue;
      int hit = firstHit[n][static_cast<size_t>(start)];
      allPresent = allPresent && hit <= end;
      if (hit <= end) lowest = std::min(lowest, hit), highest = std::max(highest, hit);
    }
    for (int page = lowest; allPresent && page <= highest; ++page) result[static_cast<size_t>(page)] = 1;
  }
  return result;
}

std::string modelTrail(const std::vector<ModelHeading>& headings, int page) {
  const std::string* inForce[4] = {nullptr, nullptr, nullptr, nullptr};
  for (const ModelHeading& h : headings) {
    if (h.page > page) break;
    inForce[h.level] = &h.title;
    for (int lower = h.level + 1; lower <= 3; ++lower) inForce[lower] = nullptr;
  }
  std::string trail;
  for (int level = 1; level <= 3 && inForce[level] != nullptr; ++level) {
    trail += (level > 1 ? " --- " : "") + *inForce[level];
  }
  return trail;
}
