#include "page_labels.h"

#include <algorithm>
#include <cassert>
#include <unordered_map>

namespace {

bool isRomanDigit(char c) {
  static const std::string digits = "ivxlcdmIVXLCDM";
  return digits.find(c) != std::string::npos;
}

// Per PDF page the number its label gives it, 0 for none; the pages left
// out for their labels are counted.
std::vector<int> labelledNumbers(const std::vector<std::string>& labels, PrintedPages& pages) {
  std::vector<int> numbers;
  numbers.reserve(labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    int number = 0;
    const LabelKind kind = labels[i].empty() ? LabelKind::arabic : kindOfLabel(labels[i], number);
    if (labels[i].empty()) number = static_cast<int>(i) + 1;
    if (kind == LabelKind::roman) ++pages.romanPages;
    if (kind == LabelKind::other) ++pages.otherLabelPages;
    numbers.push_back(number);
  }
  return numbers;
}

// Per PDF page the length of the run of pages numbered one after the other
// that it belongs to.
std::vector<std::size_t> runLengths(const std::vector<int>& numbers) {
  std::vector<std::size_t> lengths(numbers.size(), 0);
  std::size_t start = 0;
  for (std::size_t i = 1; i <= numbers.size(); ++i) {
    const bool continues = i < numbers.size() && numbers[i] != 0 && numbers[i] == numbers[i - 1] + 1;
    if (continues) continue;
    std::fill(lengths.begin() + static_cast<std::ptrdiff_t>(start), lengths.begin() + static_cast<std::ptrdiff_t>(i),
              i - start);
    start = i;
  }
  return lengths;
}

// A number carried by several pages stays with the page of the longest
// run (the later one of equal runs); the others lose it and are counted.
void keepEachNumberOnce(std::vector<int>& numbers, PrintedPages& pages) {
  const std::vector<std::size_t> lengths = runLengths(numbers);
  std::unordered_map<int, std::size_t> holder;  // number -> PDF page index
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i] == 0) continue;
    const auto [at, first] = holder.try_emplace(numbers[i], i);
    if (first) continue;
    const std::size_t loser = lengths[i] >= lengths[at->second] ? at->second : i;
    if (loser == at->second) at->second = i;
    numbers[loser] = 0;
    ++pages.repeatedLabelPages;
  }
}

bool chosen(int printed, const PageChoice& choice) {
  if (printed < 1 || printed < choice.firstPrinted) return false;
  if (choice.lastPrinted != 0 && printed > choice.lastPrinted) return false;
  return std::none_of(choice.leftOut.begin(), choice.leftOut.end(),
                      [printed](const auto& range) { return printed >= range.first && printed <= range.second; });
}

// The printed page of every PDF page before the range and the pages left
// out by hand are applied.
std::vector<int> numbersOfPages(const std::vector<std::string>& labels, const PageChoice& choice,
                                PrintedPages& pages) {
  std::vector<int> numbers(labels.size());
  const int shift = choice.offsetGiven ? choice.offset : 0;
  for (std::size_t i = 0; i < labels.size(); ++i) numbers[i] = static_cast<int>(i) + 1 - shift;
  if (choice.offsetGiven) return numbers;
  std::vector<int> labelled = labelledNumbers(labels, pages);
  const auto numbered = static_cast<std::size_t>(std::count_if(labelled.begin(), labelled.end(),
                                                               [](int n) { return n != 0; }));
  keepEachNumberOnce(labelled, pages);
  pages.pdfNumbering = 2 * numbered < labels.size();
  if (pages.pdfNumbering) pages.romanPages = pages.otherLabelPages = pages.repeatedLabelPages = 0;
  return pages.pdfNumbering ? numbers : labelled;
}

}  // namespace

LabelKind kindOfLabel(const std::string& label, int& number) {
  number = 0;
  if (label.empty()) return LabelKind::other;
  if (std::all_of(label.begin(), label.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    if (label.size() > 6) return LabelKind::other;
    number = std::stoi(label);
    return number > 0 ? LabelKind::arabic : LabelKind::other;
  }
  const bool allSmall = std::all_of(label.begin(), label.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  const bool allCapital = std::all_of(label.begin(), label.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  if ((allSmall || allCapital) && std::all_of(label.begin(), label.end(), isRomanDigit)) return LabelKind::roman;
  return LabelKind::other;
}

bool choosePrintedPages(const std::vector<std::string>& labels, const PageChoice& choice,
                        PrintedPages& pages, std::string& reason) {
  assert(choice.lastPrinted >= 0 && choice.lastPrinted <= lastDataPage);
  pages = {};
  int highest = 0;
  for (const int printed : numbersOfPages(labels, choice, pages)) {
    pages.printedOf.push_back(chosen(printed, choice) ? printed : 0);
    highest = std::max(highest, pages.printedOf.back());
  }
  if (highest > lastDataPage) {
    reason = "printed pages go up to " + std::to_string(highest) + ", above " + std::to_string(lastDataPage) +
             ", the data format's last page; choose a last page with --printed-pages FIRST-LAST";
    return false;
  }
  if (highest == 0) return reason = "no page is left to index; choose the printed pages with --page-offset N", false;
  return true;
}
