// Writing the two data formats. Words are keyed by the same normalisation as
// typed terms, merged by key, sorted as unsigned byte strings and written with
// their pages; headings are written in book order. The finished bytes pass
// the same load-time checks as the built-in data sets before they are handed
// out, so nothing this producer writes can be refused at load.
#include "producer/data_producer.h"

#include <algorithm>
#include <map>
#include <set>

#include "search/search_state.h"

namespace {

void putInt16(std::vector<unsigned char>& bytes, int value) {
  bytes.push_back(static_cast<unsigned char>(value & 0xFF));
  bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

bool fail(ProducerError& error, std::size_t item, std::string reason) {
  error = {item, std::move(reason)};
  return false;
}

struct MergedWord {
  std::string displayWord;
  std::set<int> pages;
};

// Keys compare as unsigned bytes, a proper prefix first: std::string's order.
using WordsByKey = std::map<std::string, MergedWord>;

bool mergeWord(const ProducerWord& word, std::size_t item, WordsByKey& merged, ProducerError& error) {
  std::string key;
  if (!keyOfWord(word.displayWord, key)) {
    return fail(error, item, "the word \"" + word.displayWord + "\" holds a character outside the key alphabet");
  }
  if (key.size() < 2) return true;  // a key of one code could never be found
  if (key.size() > longestKey) return fail(error, item, "the word is longer than 879 characters");
  for (int page : word.pages) {
    if (page < 0 || page >= pageLimit) {
      return fail(error, item, "page " + std::to_string(page) + " is not 0 to 1799");
    }
  }
  MergedWord& entry = merged[key];
  if (entry.displayWord.empty()) entry.displayWord = word.displayWord;
  entry.pages.insert(word.pages.begin(), word.pages.end());
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

bool checked(const std::vector<unsigned char>& bytes, bool wordIndex, ProducerError& error) {
  DataSetFault fault{};
  auto size = static_cast<uint32_t>(bytes.size());
  bool accepted = wordIndex ? checkWordIndex(bytes.data(), size, &fault)
                            : checkHeadingTable(bytes.data(), size, &fault);
  if (accepted) return true;
  return fail(error, 0, std::string("the written data set is refused: ") + fault.rule +
                            " at byte " + std::to_string(fault.offset));
}

struct TrailLengths {
  std::size_t chapter = 0, section = 0, subsection = 0;
  int previousLevel = 0;
  int previousPage = 1;
};

bool checkHeading(const ProducerHeading& heading, std::size_t item, TrailLengths& trail, ProducerError& error) {
  if (heading.page < 1 || heading.page > 32767) return fail(error, item, "the page is not 1 to 32767");
  if (heading.page < trail.previousPage) return fail(error, item, "the page is below the page of the heading before it");
  if (heading.level < 1 || heading.level > 3) return fail(error, item, "the level is not 1, 2 or 3");
  if (trail.previousLevel == 0 && heading.level != 1) return fail(error, item, "the table does not begin with a chapter");
  if (heading.level == 3 && trail.previousLevel == 1) return fail(error, item, "a subsection follows a chapter directly");
  for (unsigned char c : heading.title) {
    if (!isTitleCharacter(c)) return fail(error, item, "the title holds a tab, control or undefined character");
  }
  std::size_t length = heading.title.size();
  if (heading.level == 1) trail.chapter = length, trail.section = trail.subsection = 0;
  if (heading.level == 2) trail.section = length, trail.subsection = 0;
  if (heading.level == 3) trail.subsection = length;
  if (trail.chapter + trail.section + trail.subsection > longestTrail) {
    return fail(error, item, "the titles in force at once exceed 977 characters");
  }
  trail.previousLevel = heading.level;
  trail.previousPage = heading.page;
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
  for (const auto& [key, word] : merged) writeWord(key, word, bytes);
  putInt16(bytes, 0);
  return checked(bytes, true, error);
}

bool produceHeadingTable(const std::vector<ProducerHeading>& headings,
                         std::vector<unsigned char>& bytes, ProducerError& error) {
  TrailLengths trail;
  bytes.clear();
  for (std::size_t item = 0; item < headings.size(); ++item) {
    const ProducerHeading& heading = headings[item];
    if (!checkHeading(heading, item, trail, error)) return false;
    putInt16(bytes, heading.page);
    bytes.push_back(static_cast<unsigned char>(heading.level));
    bytes.insert(bytes.end(), heading.title.begin(), heading.title.end());
    bytes.push_back(0);
    if (heading.title.size() % 2 == 1) bytes.push_back(0);
  }
  putInt16(bytes, 0);
  return checked(bytes, false, error);
}
