// Page labels from the catalog's /PageLabels number tree: each entry is a
// range that begins at a page index, with a numbering style (/S: D arabic,
// R and r roman, A and a letters, none: the prefix alone), a prefix (/P)
// and a first number (/St, 1 when missing). A page carries the label of the
// last range that begins at or before it; before the first range it has
// none.
#include <Catalog.h>
#include <PDFDoc.h>
#include <XRef.h>

#include <algorithm>
#include <set>

#include "pdf_catalog.h"

namespace {

struct LabelRange {
  int firstPage;       // 0-based index
  char style;          // 'D', 'R', 'r', 'A', 'a', or 0 for none
  std::string prefix;  // UTF-8, at most longestLabel bytes
  long long first;     // the number of the range's first page
};

LabelRange rangeOf(int firstPage, const Object& dictionary) {
  LabelRange range{firstPage, 0, "", 1};
  const Object style = dictionary.dictLookup("S");
  if (style.isName() && std::string("DRrAa").find(style.getName()[0]) != std::string::npos && style.getName()[1] == 0)
    range.style = style.getName()[0];
  const Object prefix = dictionary.dictLookup("P");
  if (prefix.isString()) range.prefix = utf8OfTextString(*prefix.getString(), longestLabel);
  const Object first = dictionary.dictLookup("St");
  if (first.isInt()) range.first = first.getInt();
  return range;
}

// The tree's entries, its nodes taken from a stack rather than by
// recursion and each indirect node once, so neither a deep tree nor a
// cyclic one costs more than the file holds.
std::vector<LabelRange> labelRanges(XRef* xref, const Object& root, int pageCount) {
  std::vector<LabelRange> ranges;
  std::vector<Object> nodes;
  nodes.push_back(root.copy());
  std::set<Ref> seen;
  while (!nodes.empty()) {
    const Object node = std::move(nodes.back());
    nodes.pop_back();
    if (!node.isDict()) continue;
    const Object numbers = node.dictLookup("Nums");
    for (int i = 0; numbers.isArray() && i + 1 < numbers.arrayGetLength(); i += 2) {
      const Object key = numbers.arrayGet(i), value = numbers.arrayGet(i + 1);
      if (key.isInt() && key.getInt() >= 0 && key.getInt() < pageCount && value.isDict())
        ranges.push_back(rangeOf(key.getInt(), value));
    }
    const Object kids = node.dictLookup("Kids");
    for (int i = 0; kids.isArray() && i < kids.arrayGetLength(); ++i) {
      const Object& kid = kids.arrayGetNF(i);
      if (!kid.isRef() || seen.insert(kid.getRef()).second) nodes.push_back(kid.fetch(xref));
    }
  }
  std::stable_sort(ranges.begin(), ranges.end(),
                   [](const LabelRange& a, const LabelRange& b) { return a.firstPage < b.firstPage; });
  return ranges;
}

// Roman numerals; thousands beyond any real page run to as many M as fit.
std::string romanOf(long long number, bool small) {
  static const char* const tens[][10] = {
      {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"},
      {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"},
      {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"}};
  if (number < 1) return "";
  std::string roman(static_cast<std::size_t>(std::min<long long>(number / 1000, longestLabel)), 'M');
  for (int place = 2, divisor = 100; place >= 0; --place, divisor /= 10) roman += tens[place][number / divisor % 10];
  if (small) std::transform(roman.begin(), roman.end(), roman.begin(), [](char c) { return c + ('a' - 'A'); });
  return roman;
}

// Letters: A to Z, then AA to ZZ, and so on, as long as fits.
std::string lettersOf(long long number, bool small) {
  if (number < 1) return "";
  const auto count = static_cast<std::size_t>(std::min<long long>((number - 1) / 26 + 1, longestLabel + 1));
  return std::string(count, static_cast<char>((small ? 'a' : 'A') + (number - 1) % 26));
}

std::string labelOf(const LabelRange& range, int page) {
  const long long number = range.first + (page - range.firstPage);
  std::string label = range.prefix;
  switch (range.style) {
    case 'D': label += std::to_string(number); break;
    case 'R': case 'r': label += romanOf(number, range.style == 'r'); break;
    case 'A': case 'a': label += lettersOf(number, range.style == 'a'); break;
    default: break;
  }
  return cutUtf8(std::move(label), longestLabel);
}

}  // namespace

std::vector<std::string> pageLabels(PDFDoc& document, int pageCount) {
  std::vector<std::string> labels(static_cast<std::size_t>(std::max(pageCount, 0)));
  const Object catalog = document.getXRef()->getCatalog();
  if (!catalog.isDict()) return labels;
  const Object tree = catalog.dictLookup("PageLabels");
  const std::vector<LabelRange> ranges = labelRanges(document.getXRef(), tree, pageCount);
  for (std::size_t r = 0; r < ranges.size(); ++r) {
    const int end = r + 1 < ranges.size() ? ranges[r + 1].firstPage : pageCount;
    for (int page = ranges[r].firstPage; page < end; ++page) labels[static_cast<std::size_t>(page)] = labelOf(ranges[r], page);
  }
  return labels;
}
