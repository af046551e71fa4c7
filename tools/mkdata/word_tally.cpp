#include "word_tally.h"

#include <algorithm>
#include <numeric>

#include "producer/data_producer.h"
#include "text_codec.h"

namespace {

bool keyOf(const std::string& form, std::string& key) {
  std::string cp1252;
  std::string reason;
  return utf8ToCp1252Exactly(form, cp1252, reason) && keyOfWord(cp1252, key);
}

bool usedMore(const FormTally& a, const FormTally& b) {
  return a.count > b.count || (a.count == b.count && a.firstSeen < b.firstSeen);
}

// Every form's pages in one array, a form's standing together: firstOf[n]
// to firstOf[n + 1].
struct PagesByForm {
  std::vector<std::size_t> firstOf;
  std::vector<int> pages;
};

PagesByForm pagesByForm(const std::vector<std::pair<std::size_t, int>>& formPages, std::size_t formCount) {
  PagesByForm byForm{std::vector<std::size_t>(formCount + 1, 0), std::vector<int>(formPages.size())};
  for (const auto& [number, page] : formPages) ++byForm.firstOf[number + 1];
  std::partial_sum(byForm.firstOf.begin(), byForm.firstOf.end(), byForm.firstOf.begin());
  std::vector<std::size_t> next(byForm.firstOf.begin(), byForm.firstOf.end() - 1);
  for (const auto& [number, page] : formPages) byForm.pages[next[number]++] = page;
  return byForm;
}

using KeyedForm = std::pair<std::string, std::size_t>;  // a key and the number of a form of it

// The entry of the forms of one key: the form used most, the pages of all.
TalliedWord entryOf(const KeyedForm* first, const KeyedForm* end, const FormNumbers& forms,
                    const std::vector<FormTally>& tallies, const PagesByForm& byForm) {
  std::size_t best = first->second;
  std::vector<int> pages;
  for (const KeyedForm* form = first; form != end; ++form) {
    const std::size_t n = form->second;
    pages.insert(pages.end(), byForm.pages.begin() + byForm.firstOf[n], byForm.pages.begin() + byForm.firstOf[n + 1]);
    if (usedMore(tallies[n], tallies[best])) best = n;
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return {forms.form(best), std::move(pages)};
}

}  // namespace

void WordTally::take(const ScannedWord& word) {
  const std::size_t number = forms_.numberOf(word.word);
  if (number == tallies_.size()) tallies_.emplace_back();
  FormTally& tally = tallies_[number];
  const bool first = tally.count++ == 0;
  tally.firstSeen = first ? word.order : std::min(tally.firstSeen, word.order);
  if (first || tally.lastPage != word.page) formPages_.emplace_back(number, word.page);
  tally.lastPage = word.page;
}

bool WordTally::holds(const std::string& form) const { return forms_.find(form) != FormNumbers::none; }

// Each form's key is formed once; the forms of one key stand together once
// sorted by key (std::string compares as unsigned bytes).
std::vector<TalliedWord> WordTally::tallied(std::size_t& dropped) const {
  std::vector<KeyedForm> keyed;
  dropped = 0;
  for (std::size_t number = 0; number < forms_.size(); ++number) {
    std::string key;
    if (keyOf(forms_.form(number), key)) {
      keyed.emplace_back(std::move(key), number);
    } else {
      dropped += tallies_[number].count;
    }
  }
  std::sort(keyed.begin(), keyed.end(), [](const KeyedForm& a, const KeyedForm& b) { return a.first < b.first; });
  const PagesByForm byForm = pagesByForm(formPages_, forms_.size());
  std::vector<TalliedWord> tallied;
  for (std::size_t first = 0, end = 0; first < keyed.size(); first = end) {
    for (end = first; end < keyed.size() && keyed[end].first == keyed[first].first;) ++end;
    tallied.push_back(entryOf(keyed.data() + first, keyed.data() + end, forms_, tallies_, byForm));
  }
  return tallied;
}

std::vector<TalliedWord> tallyWords(const std::vector<ScannedWord>& words, std::size_t& dropped) {
  WordTally tally;
  for (const ScannedWord& word : words) tally.take(word);
  return tally.tallied(dropped);
}
