#include "data_stats.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "index/word_index.h"
#include "search/search_state.h"
#include "text_codec.h"

namespace {

std::string number(std::size_t value) {
  std::string digits = std::to_string(value);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), ",");
  return digits;
}

std::string row(const std::string& quantity, const std::string& value) {
  return "| " + quantity + " | " + value + " |\n";
}

// The line the program shows; a checked entry's line always fits lineText.
std::size_t wordLineLength(const WordEntry* entry) {
  formatWordLine(entry);
  return std::strlen(searchState.lineText);
}

bool isPrefixOf(const WordEntry* shorter, const WordEntry* longer) {
  const uint32_t n = keyLength(shorter);
  return n < keyLength(longer) && std::equal(keyOf(shorter), keyOf(shorter) + n, keyOf(longer));
}

struct WordFigures {
  std::size_t entries = 0, keySum = 0, twoCodes = 0, prefixOfNext = 0, largestEntry = 0;
  std::size_t upper = 0, lower = 0, digit = 0, endHyphen = 0, endSlash = 0, apostrophe = 0;
  std::size_t pageNumbers = 0, longestLine = 0, largestGroup = 0;
  std::map<uint32_t, std::size_t> keyLengths;
  std::set<int> codes, firstCodes, distinctPages;
  std::map<int, std::size_t> prefixGroups;
  std::vector<int> pageCounts;
};

void addDisplayWord(WordFigures& f, const std::string& word) {
  const auto first = static_cast<unsigned char>(word.front());
  if (first >= '0' && first <= '9') {
    ++f.digit;
  } else if (foldCase(first) != first) {
    ++f.upper;
  } else {
    ++f.lower;
  }
  if (word.back() == '-') ++f.endHyphen;
  if (word.back() == '/') ++f.endSlash;
  if (word.find('\'') != std::string::npos) ++f.apostrophe;
}

void addEntry(WordFigures& f, const WordEntry* entry) {
  const uint32_t n = keyLength(entry);
  const int count = pageCountOf(entry);
  ++f.entries;
  f.keySum += n;
  ++f.keyLengths[n];
  if (n == 2) ++f.twoCodes;
  const unsigned char* key = entryBytes(entry);
  for (uint32_t i = 0; i < n; ++i) f.codes.insert(key[i]);
  f.firstCodes.insert(key[0]);
  ++f.prefixGroups[bucketNumber(key[0], key[1])];
  addDisplayWord(f, displayWordOf(entry));
  f.pageCounts.push_back(count);
  f.pageNumbers += static_cast<std::size_t>(count);
  for (int i = 0; i < count; ++i) f.distinctPages.insert(pageOf(entry, i));
  f.largestEntry = std::max<std::size_t>(f.largestEntry, entrySize<std::size_t>(n, static_cast<std::size_t>(count)));
  f.longestLine = std::max(f.longestLine, wordLineLength(entry));
}

std::size_t countWhere(const std::vector<int>& values, bool (*test)(int)) {
  return static_cast<std::size_t>(std::count_if(values.begin(), values.end(), test));
}

std::string pageCountRow(std::vector<int> counts) {
  if (counts.empty()) return "none";
  std::sort(counts.begin(), counts.end());
  double sum = 0;
  for (int c : counts) sum += c;
  char mean[32];
  std::snprintf(mean, sizeof mean, "%.1f", sum / static_cast<double>(counts.size()));
  return number(static_cast<std::size_t>(counts.front())) + " to " +
         number(static_cast<std::size_t>(counts.back())) + "; mean " + mean + ", median " +
         number(static_cast<std::size_t>(counts[counts.size() / 2])) + "; " +
         number(countWhere(counts, [](int c) { return c == 1; })) + " entries have one page, " +
         number(countWhere(counts, [](int c) { return c > 20; })) + " have more than 20, " +
         number(countWhere(counts, [](int c) { return c >= 100; })) + " have 100 or more, " +
         number(countWhere(counts, [](int c) { return c >= 1000; })) + " have 1,000 or more; " +
         number(countWhere(counts, [](int c) { return c == 0; })) + " have 0";
}

// The symbols that begin no key, as " (never "-", "/")".
std::string neverFirst(const std::set<int>& firstCodes) {
  std::string list;
  for (int code = 1; code <= keyAlphabetSize; ++code) {
    if (firstCodes.count(code) != 0) continue;
    list += list.empty() ? " (never \"" : ", \"";
    list += cp1252ToUtf8(std::string(1, static_cast<char>(keySymbolOf(code)))) + "\"";
  }
  return list.empty() ? "" : list + ")";
}

std::string keyLengthRow(const WordFigures& f) {
  if (f.keyLengths.empty()) return "none";
  auto most = f.keyLengths.begin();
  for (auto it = f.keyLengths.begin(); it != f.keyLengths.end(); ++it)
    if (it->second > most->second) most = it;
  return number(f.keyLengths.begin()->first) + " to " + number(f.keyLengths.rbegin()->first) +
         " codes; most frequent length " + number(most->first) + " codes (" + number(most->second) +
         " entries); " + number(f.twoCodes) + " entries have 2 codes; sum of all key lengths " +
         number(f.keySum);
}

std::string pagesRow(const WordFigures& f) {
  if (f.distinctPages.empty()) return "none";
  return number(f.pageNumbers) + " in all; values " + number(static_cast<std::size_t>(*f.distinctPages.begin())) +
         " to " + number(static_cast<std::size_t>(*f.distinctPages.rbegin())) + "; " +
         number(f.distinctPages.size()) + " distinct pages occur";
}

}  // namespace

std::string wordIndexStats(const unsigned char* bytes, std::size_t size) {
  WordFigures f;
  const WordEntry* previous = nullptr;
  for (const WordEntry* entry = firstEntryOf(bytes); entry != nullptr; entry = nextEntry(entry)) {
    if (previous != nullptr && isPrefixOf(previous, entry)) ++f.prefixOfNext;
    addEntry(f, entry);
    previous = entry;
  }
  for (const auto& group : f.prefixGroups) f.largestGroup = std::max(f.largestGroup, group.second);
  std::string table = "| Quantity | Value |\n|---|---|\n";
  table += row("Length of the data set", number(size) + " bytes");
  table += row("Word entries", number(f.entries));
  table += row("Key length", keyLengthRow(f));
  table += row("Key codes used", number(f.codes.size()) + " of " + number(keyAlphabetSize) + "; as first code, " +
                                     number(f.firstCodes.size()) + " of them" + neverFirst(f.firstCodes));
  table += row("Display words", number(f.upper) + " begin with an upper-case letter, " + number(f.lower) +
                                    " with a lower-case letter, " + number(f.digit) + " with a digit; " +
                                    number(f.endHyphen) + " end with \"-\", " + number(f.endSlash) +
                                    " end with \"/\"; " + number(f.apostrophe) + " contain \"'\"");
  table += row("Key that is a proper prefix of the next entry's key", number(f.prefixOfNext) + " entries");
  table += row("Page count per entry", pageCountRow(f.pageCounts));
  table += row("Page numbers", pagesRow(f));
  table += row("Two-code prefixes", number(f.prefixGroups.size()) + " of the 1,849 possible pairs begin at least one key; the largest such group holds " +
                                        number(f.largestGroup) + " entries");
  table += row("Largest entry", number(f.largestEntry) + " bytes");
  table += row("Longest word-list line", number(f.longestLine) + " characters");
  return table;
}

namespace {

struct HeadingFigures {
  std::size_t entries = 0, odd = 0, sharedPages = 0, mostOnePage = 0, longestGap = 0, longestTrail = 0;
  std::size_t perLevel[4] = {}, shortest = 0, longest = 0, longestOfLevel[4] = {};
  int firstPage = 0, lastPage = 0;
  std::map<int, std::size_t> onPage;
  std::set<unsigned char> signs;
};

void addHeading(HeadingFigures& f, const unsigned char* heading, std::size_t (&trail)[4]) {
  const int page = headingPage(heading);
  const int level = headingLevel(heading);
  const std::string title = headingTitle(heading);
  if (f.entries == 0) f.firstPage = page;
  if (f.entries > 0) f.longestGap = std::max<std::size_t>(f.longestGap, static_cast<std::size_t>(page - f.lastPage));
  f.lastPage = page;
  ++f.entries;
  ++f.onPage[page];
  if (title.size() % 2 == 1) ++f.odd;
  f.shortest = f.entries == 1 ? title.size() : std::min(f.shortest, title.size());
  f.longest = std::max(f.longest, title.size());
  for (char c : title) {
    const auto byte = static_cast<unsigned char>(c);
    if (!((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')))
      f.signs.insert(byte);
  }
  if (level < 1 || level > 3) return;
  ++f.perLevel[level];
  f.longestOfLevel[level] = std::max(f.longestOfLevel[level], title.size());
  applyHeading(level, title.size(), trail[1], trail[2], trail[3]);
  f.longestTrail = std::max(f.longestTrail, trail[1] + trail[2] + trail[3]);
}

std::string signList(const std::set<unsigned char>& signs) {
  std::string list;
  for (unsigned char sign : signs) {
    list += list.empty() ? "`" : ", `";
    list += sign == '|' ? std::string("\\|") : cp1252ToUtf8(std::string(1, static_cast<char>(sign)));
    list += "`";
  }
  return list.empty() ? "none" : list;
}

}  // namespace

std::string headingTableStats(const unsigned char* bytes, std::size_t size) {
  HeadingFigures f;
  std::size_t trail[4] = {};
  for (const unsigned char* heading = bytes; headingPage(heading) != 0; heading = nextHeading(heading))
    addHeading(f, heading, trail);
  for (const auto& page : f.onPage) {
    if (page.second > 1) ++f.sharedPages;
    f.mostOnePage = std::max(f.mostOnePage, page.second);
  }
  std::string table = "| Quantity | Value |\n|---|---|\n";
  table += row("Length of the data set", number(size) + " bytes");
  table += row("Entries", number(f.entries) + ": " + number(f.perLevel[1]) + " of level 1, " +
                              number(f.perLevel[2]) + " of level 2, " + number(f.perLevel[3]) + " of level 3");
  table += row("Pages", number(static_cast<std::size_t>(f.firstPage)) + " to " +
                            number(static_cast<std::size_t>(f.lastPage)) + "; " + number(f.sharedPages) +
                            " pages carry more than one heading, at most " + number(f.mostOnePage) +
                            " on one page; at most " + number(f.longestGap) + " pages between consecutive headings");
  table += row("Title length", number(f.shortest) + " to " + number(f.longest) + " characters (level 1 at most " +
                                   number(f.longestOfLevel[1]) + ", level 2 at most " + number(f.longestOfLevel[2]) +
                                   ", level 3 at most " + number(f.longestOfLevel[3]) + "); " + number(f.odd) +
                                   " titles have odd length, " + number(f.entries - f.odd) + " even");
  table += row("Longest set of titles in force at once", number(f.longestTrail) + " characters");
  table += row("Characters in titles besides A-Z, a-z and 0-9", signList(f.signs));
  return table;
}
