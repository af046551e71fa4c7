// Writing the two data formats. Words are keyed by the same normalisation as
// typed terms, merged by key, sorted as unsigned byte strings and written with
// their pages; headings are written in book order. The rules are not written
// here a second time: the finished bytes go through the load-time checks, and
// a fault's offset leads back to the item written there. A value too wide
// for its field is written as one the checks refuse for the same rule.
#include "producer/data_producer.h"

#include <algorithm>
#include <map>
#include <set>

#include "search/search_state.h"

namespace {

// A page or count outside the 16-bit field is written as -1, which no rule
// allows where pages and counts stand.
void putInt16(std::vector<unsigned char>& bytes, int value) {
  if (value < INT16_MIN || value > INT16_MAX) value = -1;
  bytes.push_back(static_cast<unsigned char>(value & 0xFF));
  bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

bool fail(ProducerError& error, std::size_t item, DataRule rule) {
  error = {item, rule};
  return false;
}

// Where each item's bytes begin, in ascending order, to lead a fault back
// to its item.
struct ItemStart {
  uint32_t offset;
  std::size_t item;
};

bool checked(const std::vector<unsigned char>& bytes, bool wordIndex,
             const std::vector<ItemStart>& starts, ProducerError& error) {
  DataSetFault fault{};
  auto size = static_cast<uint32_t>(bytes.size());
  bool accepted = wordIndex ? checkWordIndex(bytes.data(), size, &fault)
                            : checkHeadingTable(bytes.data(), size, &fault);
  if (accepted) return true;
  auto after = std::upper_bound(starts.begin(), starts.end(), fault.offset,
                                [](uint32_t offset, const ItemStart& start) { return offset < start.offset; });
  return fail(error, after == starts.begin() ? 0 : (after - 1)->item, fault.rule);
}

struct MergedWord {
  std::string displayWord;
  std::set<int> pages;
  std::size_t firstItem;
};

// Keys compare as unsigned bytes, a proper prefix first: std::string's order.
using WordsByKey = std::map<std::string, MergedWord>;

// A word with no key has no bytes to stand for it; it is refused here.
bool mergeWord(const ProducerWord& word, std::size_t item, WordsByKey& merged, ProducerError& error) {
  std::string key;
  if (!keyOfWord(word.displayWord, key)) return fail(error, item, DataRule::displayWordCharacter);
  if (key.size() < shortestKey) return true;  // a key of one code could never be found
  auto [entry, added] = merged.try_emplace(key, MergedWord{word.displayWord, {}, item});
  entry->second.pages.insert(word.pages.begin(), word.pages.end());
  return true;
}

void writeWord(const std::string& key, const MergedWord& word, std::vector<unsigned char>& bytes) {
  bytes.insert(bytes.end(), key.begin(), key.end());
  bytes.push_back(0);
  bytes.insert(bytes.end(), word.displayWord.begin(), word.displayWord.end());
  bytes.push_back(0);
  putInt16(bytes, static_cast<int>(word.pages.size()));
  for (int page : word.pages) putInt16(bytes, page);
}

// A level outside a byte is written as 0; a title's zero byte would end it
// early, so it is refused here.
bool writeHeading(const ProducerHeading& heading, std::size_t item, std::vector<unsigned char>& bytes,
                  ProducerError& error) {
  if (heading.title.find('\0') != std::string::npos) return fail(error, item, DataRule::titleCharacter);
  std::size_t start = bytes.size();
  putInt16(bytes, heading.page < 1 ? -1 : heading.page);
  bytes.push_back(static_cast<unsigned char>(heading.level >= 0 && heading.level <= 127 ? heading.level : 0));
  bytes.insert(bytes.end(), heading.title.begin(), heading.title.end());
  // The title's zero, and the fill byte after a title of odd length.
  bytes.resize(start + headingSize(heading.title.size()), 0);
  return true;
}

}  // namespace

bool keyOfWord(const std::string& displayWord, std::string& key) {
  if (displayWord.size() >= textSize) return false;
  char text[textSize];
  displayWord.copy(text, displayWord.size());
  text[displayWord.size()] = 0;
  if (displayWord.find('\0') != std::string::npos || !normaliseTerm(text)) return false;
  key.assign(text, displayWord.size());
  return true;
}

bool produceWordIndex(const std::vector<ProducerWord>& words,
                      std::vector<unsigned char>& bytes, ProducerError& error) {
  WordsByKey merged;
  for (std::size_t item = 0; item < words.size(); ++item) {
    if (!mergeWord(words[item], item, merged, error)) return false;
  }
  bytes.clear();
  std::vector<ItemStart> starts;
  for (const auto& [key, word] : merged) {
    starts.push_back({static_cast<uint32_t>(bytes.size()), word.firstItem});
    writeWord(key, word, bytes);
  }
  putInt16(bytes, 0);
  return checked(bytes, true, starts, error);
}

bool produceHeadingTable(const std::vector<ProducerHeading>& headings,
                         std::vector<unsigned char>& bytes, ProducerError& error) {
  bytes.clear();
  std::vector<ItemStart> starts;
  for (std::size_t item = 0; item < headings.size(); ++item) {
    starts.push_back({static_cast<uint32_t>(bytes.size()), item});
    if (!writeHeading(headings[item], item, bytes, error)) return false;
  }
  putInt16(bytes, 0);
  return checked(bytes, false, starts, error);
}
