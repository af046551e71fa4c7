// Each rule of the two data formats, broken by one change to a valid data
// set: the checks refuse it, name the rule and point at the byte; the plain
// reading of the formats refuses it for the same rule. The boundary cases
// that a rule still allows are accepted by both.
#include <gtest/gtest.h>

#include "hostile_data.h"
#include "reference_model.h"

namespace {

const Bytes ab = wordEntry({3, 5}, "ab", {1});
const Bytes umlautB = wordEntry({4, 5}, "\xC4" "b", {2, 1799});
const Bytes oilPump = wordEntry({19, 15, 1, 20, 26, 16, 20, 8}, "\xD6l-Pumpe", {0, 5});

struct Case {
  const char* what;
  Bytes bytes;
  const char* rule;   // the rule's name, or nullptr when the data set is allowed
  uint32_t offset;
};

std::string ruleName(const std::string& sentence) { return sentence.substr(0, sentence.find(':')); }

void expectVerdict(const Case& c, const Verdict& verdict, bool modelAccepts, const std::string& modelReason) {
  if (c.rule == nullptr) {
    EXPECT_TRUE(verdict.accepted) << c.what << ": " << verdict.rule << " at " << verdict.offset;
    EXPECT_TRUE(modelAccepts) << c.what << ": " << modelReason;
    return;
  }
  EXPECT_FALSE(verdict.accepted) << c.what;
  EXPECT_EQ(ruleName(verdict.rule), c.rule) << c.what << ": " << verdict.rule;
  EXPECT_EQ(verdict.offset, c.offset) << c.what;
  EXPECT_FALSE(modelAccepts) << c.what;
  EXPECT_EQ(modelReason.rfind(c.rule, 0), 0u) << c.what << ": " << modelReason;
}

std::string digits(int count) { return std::string(static_cast<size_t>(count), 'a'); }

std::vector<int> everyPage() {
  std::vector<int> pages;
  for (int page = 0; page < 1800; ++page) pages.push_back(page);
  return pages;
}

TEST(HostileDataRules, WordIndex) {
  const std::vector<int> twentyLongPages = {1780, 1781, 1782, 1783, 1784, 1785, 1786, 1787, 1788, 1789,
                                            1790, 1791, 1792, 1793, 1794, 1795, 1796, 1797, 1798, 1799};
  const Case cases[] = {
      {"valid", joined({ab, umlautB, oilPump, endMarker}), nullptr, 0},
      {"879 codes and 20 four-digit pages", joined({wordEntry(Bytes(879, 3), digits(879), twentyLongPages), endMarker}), nullptr, 0},
      {"1800 pages", joined({wordEntry({3, 5}, "AB", everyPage()), endMarker}), nullptr, 0},
      {"a umlaut sorts after a, before b", joined({ab, wordEntry({4, 3}, "\xE4" "a", {1}), wordEntry({5, 3}, "ba", {1}), endMarker}), nullptr, 0},
      {"key code 0xFF", joined({wordEntry({3, 0xFF}, "ab", {1}), endMarker}), "key codes", 1},
      {"key code 44 after valid entries", joined({ab, wordEntry({44, 5}, "ab", {1}), endMarker}), "key codes", 10},
      {"display word longer than its key", joined({wordEntry({3, 5}, "abc", {1}), endMarker}), "key from display word", 3},
      {"display word with an accented capital", joined({wordEntry({3, 5}, "a\xC9", {1}), endMarker}), "key from display word", 4},
      {"display word with a control byte", joined({wordEntry({3, 5}, "a\x01", {1}), endMarker}), "key from display word", 4},
      {"sharp s shown for s", joined({wordEntry({3, 23}, "a\xDF", {1}), endMarker}), "key from display word", 4},
      {"keys equal after case folding", joined({ab, wordEntry({3, 5}, "AB", {1}), endMarker}), "order", 10},
      {"a umlaut before a", joined({umlautB, ab, endMarker}), "order", 12},
      {"count -32768", joined({wordEntryWithCount({3, 5}, "ab", -32768, {}), endMarker}), "page count", 6},
      {"page 32767", joined({wordEntry({3, 5}, "ab", {32767}), endMarker}), "pages", 8},
      {"page -32768 after valid pages", joined({wordEntry({3, 5}, "ab", {1, 2, -32768}), endMarker}), "pages", 12},
      {"no bytes at all", {}, "end marker", 0},
      {"a lone zero byte", {0}, "end marker", 0},
      {"second byte of the end marker not 0", joined({ab, {0, 7}}), "end marker", 10},
      {"key without its display word", {3, 5, 0}, "display word", 3},
      {"count cut in half", {3, 5, 0, 'a', 'b', 0, 1}, "page count", 6},
  };
  for (const Case& c : cases) {
    std::vector<ModelWord> words;
    std::string reason;
    bool modelAccepts = modelReadWordIndex(c.bytes, words, reason);
    expectVerdict(c, checkedWordIndex(c.bytes), modelAccepts, reason);
  }
}

std::string letters(int count) { return std::string(static_cast<size_t>(count), 'T'); }

TEST(HostileDataRules, HeadingTable) {
  const Bytes chapter = headingEntry(3, 1, "1. Kapitel");
  const Bytes section = headingEntry(4, 2, "1.1 Abschnitt");
  const Case cases[] = {
      {"valid", joined({chapter, section, headingEntry(4, 3, "1.1.1 U"), endMarker}), nullptr, 0},
      {"pages 1 and 32767", joined({headingEntry(1, 1, "a"), headingEntry(32767, 2, "b"), endMarker}), nullptr, 0},
      {"printable high bytes", joined({headingEntry(3, 1, "\x80\xA0\xFF\xE4"), endMarker}), nullptr, 0},
      {"empty title", joined({headingEntry(3, 1, ""), endMarker}), nullptr, 0},
      {"a new section frees its subsection's room",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(70)), headingEntry(1, 3, letters(7)),
               headingEntry(2, 2, letters(77)), endMarker}), nullptr, 0},
      {"a new chapter frees all room",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(77)), headingEntry(2, 1, letters(977)), endMarker}),
       nullptr, 0},
      {"page -32768", joined({headingEntry(-32768, 1, "a"), endMarker}), "pages", 0},
      {"level -1", joined({chapter, headingEntry(5, -1, "x"), endMarker}), "levels", 16},
      {"begins with a subsection", joined({headingEntry(3, 3, "1.1.1 U"), endMarker}), "order of levels", 2},
      {"line feed in a title", joined({headingEntry(3, 1, "1.\nA"), endMarker}), "titles", 5},
      {"unit separator in a title", joined({headingEntry(3, 1, "1.\x1F" "A"), endMarker}), "titles", 5},
      {"byte cp1252 leaves undefined", joined({headingEntry(3, 1, "1.\x81" "A"), endMarker}), "titles", 5},
      {"chapter of 978 characters", joined({headingEntry(3, 1, letters(978)), endMarker}), "titles", 3},
      {"subsection over the room after a new section",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(70)), headingEntry(1, 3, letters(7)),
               headingEntry(2, 2, letters(77)), headingEntry(2, 3, "x"), endMarker}), "titles", 1075},
      {"page 0 inside the table", joined({chapter, endMarker, section, endMarker}), "end marker", 16},
      {"fill byte missing before the end", {3, 0, 1, 'a', 0, 0, 0}, "end marker", 6},
      {"a lone zero byte", {0}, "end marker", 0},
      {"no bytes at all", {}, "end marker", 0},
  };
  for (const Case& c : cases) {
    std::vector<ModelHeading> headings;
    std::string reason;
    bool modelAccepts = modelReadHeadingTable(c.bytes, headings, reason);
    expectVerdict(c, checkedHeadingTable(c.bytes), modelAccepts, reason);
  }
}

}  // namespace
