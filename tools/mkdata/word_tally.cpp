#include "word_tally.h"

#include <map>
#include <set>

#include "producer/data_producer.h"
#include "text_codec.h"

namespace {

struct FormCount {
  std::size_t count = 0;
  std::size_t firstSeen = 0;
};

struct KeyTally {
  std::map<std::string, FormCount> forms;
  std::set<int> pages;
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

std::vector<TalliedWord> tallyWords(const std::vector<ScannedWord>& words, std::size_t& dropped) {
  std::map<std::string, KeyTally> byKey;  // std::string compares as unsigned bytes
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
    tally.pages.insert(words[i].page);
  }
  std::vector<TalliedWord> tallied;
  tallied.reserve(byKey.size());
  for (const auto& [key, tally] : byKey) {
    tallied.push_back({mostUsedForm(tally.forms), {tally.pages.begin(), tally.pages.end()}});
  }
  return tallied;
}
