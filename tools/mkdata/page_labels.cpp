#include "page_labels.h"

#include <algorithm>
#include <cassert>

namespace {

bool isRomanDigit(char c) {
  static const std::string digits = "ivxlcdmIVXLCDM";
  return digits.find(c) != std::string::npos;
}

// The printed page a PDF page would carry before the range and the pages
// left out by hand are applied; 0 when its label says it carries none.
int labelledPage(const std::string& label, PrintedPages& pages) {
  int number = 0;
  switch (kindOfLabel(label, number)) {
    case LabelKind::arabic: return number;
    case LabelKind::roman: ++pages.romanPages; return 0;
    case LabelKind::other: ++pages.otherLabelPages; return 0;
  }
  return 0;
}

bool chosen(int printed, const PageChoice& choice) {
  if (printed < 1 || printed < choice.firstPrinted) return false;
  if (choice.lastPrinted != 0 && printed > choice.lastPrinted) return false;
  return std::none_of(choice.leftOut.begin(), choice.leftOut.end(),
                      [printed](const auto& range) { return printed >= range.first && printed <= range.second; });
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
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const int pdfPage = static_cast<int>(i) + 1;
    const int printed = choice.offsetGiven ? pdfPage - choice.offset
                        : labels[i].empty()  ? pdfPage
                                             : labelledPage(labels[i], pages);
    pages.printedOf.push_back(chosen(printed, choice) ? printed : 0);
    highest = std::max(highest, pages.printedOf.back());
  }
  if (highest > lastDataPage) {
    reason = "printed pages go up to " + std::to_string(highest) + ", above " + std::to_string(lastDataPage) +
             ", the data format's last page; choose a last page with --printed-pages FIRST-LAST";
    return false;
  }
  if (highest == 0) return reason = "no page is left to index", false;
  return true;
}
