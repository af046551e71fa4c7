#include "dialog_model.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "search/search_state.h"

namespace {

constexpr int termField = 1002, wordList = 1005, resultsList = 1008, distanceField = 1009;
// The headless backend draws every character 7 pixels wide.
constexpr int pixelsPerCharacter = 7;
// A term field's text is read into a 1000-byte buffer.
constexpr size_t longestTerm = 999;

const char slotOverLimitLine[] = "[F\xFCr mindestens einen Suchbegriff existieren mehr als 100 Funde]";
const char noCombinationLine[] = "[Keine Verkn\xFCpfung der Suchbegriffe gefunden]";

std::string textOf(HWND control) {
  LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

ShownList listOf(HWND list) {
  ShownList shown;
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string line(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<size_t>(length));
    shown.lines.push_back(line);
  }
  shown.selection = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
  shown.horizontalExtent = static_cast<int>(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0));
  return shown;
}

std::string wordLine(const ModelWord& word) {
  std::string line = word.display;
  if (word.pages.size() > 20) return line + ", [" + std::to_string(word.pages.size()) + " Seiten]";
  for (int page : word.pages) line += ", " + std::to_string(page);
  return line;
}

const ModelWord& wordAt(const ModelBook& book, uint32_t offset) {
  return *std::lower_bound(book.words.begin(), book.words.end(), offset,
                           [](const ModelWord& w, uint32_t at) { return w.offset < at; });
}

ShownList modelWordList(const ModelBook& book, const ModelLookup& lookup) {
  ShownList list;
  for (uint32_t offset : lookup.offsets) {
    list.lines.push_back(wordLine(wordAt(book, offset)));
    list.horizontalExtent = std::max(list.horizontalExtent,
                                     pixelsPerCharacter * static_cast<int>(list.lines.back().size()));
  }
  if (lookup.message != nullptr) {
    list.lines.insert(list.lines.begin(), lookup.message);
    list.selection = 0;
  }
  return list;
}

// One or two characters scanned as a decimal number; anything else is 0.
int distanceOf(const std::string& text) {
  int value = 0;
  if (text.size() != 1 && text.size() != 2) return 0;
  return std::sscanf(text.c_str(), "%d", &value) == 1 ? value : 0;
}

ShownList modelResults(const ModelBook& book, const ModelLookup (&slots)[3], int pageDistance) {
  ShownList list;
  int sum = 0;
  for (const ModelLookup& slot : slots) {
    sum += slot.hitCount;
    if (slot.hitCount > 100) return list.lines = {slotOverLimitLine}, list.selection = 0, list;
  }
  std::vector<unsigned char> pages = modelCombine(slots, pageDistance);
  for (int page = 0; page < 1800; ++page) {
    if (pages[static_cast<size_t>(page)] == 0) continue;
    int last = page;
    while (last + 1 < 1800 && pages[static_cast<size_t>(last + 1)] != 0) ++last;
    std::string row = std::to_string(page) + (last > page ? " - " + std::to_string(last) : "");
    list.lines.push_back(row + "\t" + modelTrail(book.headings, page));
    page = last;
  }
  if (list.lines.empty() && sum > 0) list.lines = {noCombinationLine}, list.selection = 0;
  return list;
}

// Most actions change one slot: the other two slots' lookups are taken from
// a small memo instead of being read again from the whole book.
const ModelLookup& lookUpRemembered(const ModelBook& book, const std::string& term) {
  static std::map<std::pair<const ModelBook*, std::string>, ModelLookup> remembered;
  if (remembered.size() > 64) remembered.clear();
  auto key = std::make_pair(&book, term);
  auto found = remembered.find(key);
  if (found == remembered.end()) found = remembered.emplace(key, modelLookUp(book.words, term)).first;
  return found->second;
}

std::string quoted(const std::string& text) {
  std::string shown = text.size() > 60 ? text.substr(0, 60) + "..." : text;
  return "\"" + shown + "\" (" + std::to_string(text.size()) + " bytes)";
}

void compareList(const char* name, const ShownList& shown, const ShownList& expected, std::string& out) {
  if (shown.lines != expected.lines) {
    out += std::string(name) + ": " + std::to_string(shown.lines.size()) + " lines, expected " +
           std::to_string(expected.lines.size());
    for (size_t i = 0; i < std::min(shown.lines.size(), expected.lines.size()); ++i) {
      if (shown.lines[i] == expected.lines[i]) continue;
      out += "; line " + std::to_string(i) + " " + quoted(shown.lines[i]) + ", expected " + quoted(expected.lines[i]);
      break;
    }
    out += "\n";
  }
  if (shown.selection != expected.selection) {
    out += std::string(name) + ": selection " + std::to_string(shown.selection) + ", expected " +
           std::to_string(expected.selection) + "\n";
  }
  if (shown.horizontalExtent != expected.horizontalExtent) {
    out += std::string(name) + ": horizontal extent " + std::to_string(shown.horizontalExtent) +
           ", expected " + std::to_string(expected.horizontalExtent) + "\n";
  }
}

}  // namespace

std::string modelWordOnPage(const ModelBook& book, const std::string (&terms)[3], int page) {
  for (const std::string& term : terms) {
    for (uint32_t offset : lookUpRemembered(book, term.substr(0, longestTerm)).offsets) {
      const ModelWord& word = wordAt(book, offset);
      if (std::find(word.pages.begin(), word.pages.end(), page) != word.pages.end()) return word.display;
    }
  }
  return "";
}

bool modelBookOfSearchState(ModelBook& book, std::string& reason) {
  const SearchState& s = searchState;
  std::vector<unsigned char> index(s.index, s.index + s.indexSize);
  std::vector<unsigned char> headings(s.headings, s.headings + s.headingSize);
  if (!modelReadWordIndex(index, book.words, reason)) return false;
  return modelReadHeadingTable(headings, book.headings, reason);
}

ShownDialog readShownDialog(HWND dialog) {
  ShownDialog shown;
  for (int slot = 0; slot < 3; ++slot) {
    shown.terms[slot] = textOf(GetDlgItem(dialog, termField + slot));
    shown.words[slot] = listOf(GetDlgItem(dialog, wordList + slot));
    shown.hitCounts[slot] = searchState.hitCount[slot];
  }
  shown.distanceText = textOf(GetDlgItem(dialog, distanceField));
  shown.results = listOf(GetDlgItem(dialog, resultsList));
  return shown;
}

ShownDialog modelDialog(const ModelBook& book, const std::string (&terms)[3], const std::string& distanceFieldText) {
  ShownDialog expected;
  ModelLookup lookups[3];
  for (int slot = 0; slot < 3; ++slot) {
    expected.terms[slot] = terms[slot];
    lookups[slot] = lookUpRemembered(book, terms[slot].substr(0, longestTerm));
    expected.words[slot] = modelWordList(book, lookups[slot]);
    expected.hitCounts[slot] = lookups[slot].hitCount;
  }
  expected.distanceText = distanceFieldText;
  expected.results = modelResults(book, lookups, distanceOf(distanceFieldText));
  return expected;
}

std::string dialogDifference(const ShownDialog& shown, const ShownDialog& expected) {
  std::string out;
  for (int slot = 0; slot < 3; ++slot) {
    std::string name = "slot " + std::to_string(slot + 1);
    if (shown.terms[slot] != expected.terms[slot]) {
      out += name + ": term " + quoted(shown.terms[slot]) + ", expected " + quoted(expected.terms[slot]) + "\n";
    }
    if (shown.hitCounts[slot] != expected.hitCounts[slot]) {
      out += name + ": hit count " + std::to_string(shown.hitCounts[slot]) + ", expected " +
             std::to_string(expected.hitCounts[slot]) + "\n";
    }
    compareList((name + " words").c_str(), shown.words[slot], expected.words[slot], out);
  }
  if (shown.distanceText != expected.distanceText) {
    out += "distance " + quoted(shown.distanceText) + ", expected " + quoted(expected.distanceText) + "\n";
  }
  compareList("results", shown.results, expected.results, out);
  return out;
}
