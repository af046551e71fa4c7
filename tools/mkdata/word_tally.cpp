#include "word_tally.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "producer/data_producer.h"
#include "text_codec.h"

namespace {

struct FormCount {
  std::size_t count = 0;
  std::size_t firstSeen = 0;
};

struct KeyTally {
  std::map<std::string, FormCount> forms;
  std::vector<int> pages;   // as met; sorted and made unique at the end
};

std::string mostUsedForm(const std::map<std::string, FormCount>& forms) {
  const std::pair<const std::string, FormCount>* best = nullptr;
  for (const auto& form : forms) {
    if (best == nullptr || form.second.count > best->second.count ||
        (form.second.count == best->second.count && form.second.firstSeen < best->second.firstSeen))
      best = &form;
  }
  return best->first;
}

}  // namespace

// A hash table and page lists, sorted once at the end: a book's text runs
// to millions of words.
std::vector<TalliedWord> tallyWords(const std::vector<ScannedWord>& words, std::size_t& dropped) {
  std::unordered_map<std::string, KeyTally> byKey;
  dropped = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string cp1252;
    std::string reason;
    std::string key;
    if (!utf8ToCp1252Exactly(words[i].word, cp1252, reason) || !keyOfWord(cp1252, key)) {
      ++dropped;
      continue;
    }
    KeyTally& tally = byKey[key];
    FormCount& form = tally.forms[words[i].word];
    if (form.count++ == 0) form.firstSeen = i;
    if (tally.pages.empty() || tally.pages.back() != words[i].page) tally.pages.push_back(words[i].page);
  }
  std::vector<std::pair<const std::string, KeyTally>*> byKeyOrder;  // std::string compares as unsigned bytes
  for (auto& entry : byKey) byKeyOrder.push_back(&entry);
  std::sort(byKeyOrder.begin(), byKeyOrder.end(), [](const auto* a, const auto* b) { return a->first < b->first; });
  std::vector<TalliedWord> tallied;
  tallied.reserve(byKey.size());
  for (auto* entry : byKeyOrder) {
    std::vector<int>& pages = entry->second.pages;
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    tallied.push_back({mostUsedForm(entry->second.forms), std::move(pages)});
  }
  return tallied;
}
