// Each rule of the two data formats, broken by one change to a valid data
// set: the checks refuse it, name the rule and point at the byte; the plain
// reading of the formats refuses it too. The boundary cases that a rule
// still allows are accepted by both.
#include <gtest/gtest.h>

#include <optional>

#include "hostile_data.h"
#include "reference_model.h"

namespace {

const Bytes ab = wordEntry({3, 5}, "ab", {1});
const Bytes umlautB = wordEntry({4, 5}, "\xC4" "b", {2, 1799});
const Bytes oilPump = wordEntry({19, 15, 1, 20, 26, 16, 20, 8}, "\xD6l-Pumpe", {0, 5});

using enum DataRule;
constexpr std::nullopt_t allowed = std::nullopt;

struct Case {
  const char* what;
  Bytes bytes;
  std::optional<DataRule> rule;
  uint32_t offset;
};

void expectVerdict(const Case& c, const Verdict& verdict, bool modelAccepts, const std::string& modelReason) {
  if (!c.rule) {
    EXPECT_TRUE(verdict.accepted) << c.what << ": " << dataRuleText(verdict.rule) << " at " << verdict.offset;
    EXPECT_TRUE(modelAccepts) << c.what << ": " << modelReason;
    return;
  }
  EXPECT_FALSE(verdict.accepted) << c.what;
  EXPECT_EQ(verdict.rule, *c.rule) << c.what << ": " << dataRuleText(verdict.rule);
  EXPECT_EQ(verdict.offset, c.offset) << c.what;
  EXPECT_FALSE(modelAccepts) << c.what;
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
      {"valid", joined({ab, umlautB, oilPump, endMarker}), allowed, 0},
      {"end marker alone", endMarker, allowed, 0},
      {"a count of 0", joined({wordEntry({3, 5}, "ab", {}), endMarker}), allowed, 0},
      {"879 codes and 20 four-digit pages", joined({wordEntry(Bytes(879, 3), digits(879), twentyLongPages), endMarker}), allowed, 0},
      {"1800 pages", joined({wordEntry({3, 5}, "AB", everyPage()), endMarker}), allowed, 0},
      {"a umlaut sorts after a, before b", joined({ab, wordEntry({4, 3}, "\xE4" "a", {1}), wordEntry({5, 3}, "ba", {1}), endMarker}), allowed, 0},
      {"key without its end", {3, 5}, keyPastEnd, 0},
      {"one code", joined({wordEntry({3}, "a", {1}), endMarker}), keyTooShort, 0},
      {"880 codes", joined({wordEntry(Bytes(880, 3), digits(880), {1}), endMarker}), keyTooLong, 0},
      {"key code 0xFF", joined({wordEntry({3, 0xFF}, "ab", {1}), endMarker}), keyCode, 1},
      {"key code 44 after valid entries", joined({ab, wordEntry({44, 5}, "ab", {1}), endMarker}), keyCode, 10},
      {"key without its display word", {3, 5, 0}, displayWordPastEnd, 3},
      {"display word longer than its key", joined({wordEntry({3, 5}, "abc", {1}), endMarker}), displayWordLength, 3},
      {"display word shorter than its key", joined({wordEntry({3, 5, 6}, "ab", {1}), endMarker}), displayWordLength, 4},
      {"display word of another letter", joined({wordEntry({3, 5}, "ac", {1}), endMarker}), displayWordCharacter, 4},
      {"display word with an accented capital", joined({wordEntry({3, 5}, "a\xC9", {1}), endMarker}), displayWordCharacter, 4},
      {"display word with a control byte", joined({wordEntry({3, 5}, "a\x01", {1}), endMarker}), displayWordCharacter, 4},
      {"sharp s shown for s", joined({wordEntry({3, 23}, "a\xDF", {1}), endMarker}), displayWordCharacter, 4},
      {"keys equal after case folding", joined({ab, wordEntry({3, 5}, "AB", {1}), endMarker}), keyOrder, 10},
      {"a umlaut before a", joined({umlautB, ab, endMarker}), keyOrder, 12},
      {"count cut in half", {3, 5, 0, 'a', 'b', 0, 1}, pageCountPastEnd, 6},
      {"count -32768", joined({wordEntryWithCount({3, 5}, "ab", -32768, {}), endMarker}), pageCountRange, 6},
      {"count 1801", joined({wordEntryWithCount({3, 5}, "ab", 1801, {}), endMarker}), pageCountRange, 6},
      {"pages past the end", wordEntryWithCount({3, 5}, "ab", 3, {}), pagesPastEnd, 8},
      {"page 1800", joined({wordEntry({3, 5}, "ab", {1800}), endMarker}), pageRange, 8},
      {"page -32768 after valid pages", joined({wordEntry({3, 5}, "ab", {1, 2, -32768}), endMarker}), pageRange, 12},
      {"pages descending", joined({wordEntry({3, 5}, "ab", {3, 2}), endMarker}), pagesNotAscending, 10},
      {"a page repeated", joined({wordEntry({3, 5}, "ab", {3, 3}), endMarker}), pagesNotAscending, 10},
      {"no bytes at all", {}, wordIndexEnd, 0},
      {"a lone zero byte", {0}, wordIndexEnd, 0},
      {"no end marker", ab, wordIndexEnd, 10},
      {"second byte of the end marker not 0", joined({ab, {0, 7}}), wordIndexEnd, 10},
      {"a byte after the end marker", joined({ab, endMarker, {0}}), bytesAfterEnd, 12},
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
      {"valid", joined({chapter, section, headingEntry(4, 3, "1.1.1 U"), endMarker}), allowed, 0},
      {"end marker alone", endMarker, allowed, 0},
      {"pages 1 and 32767", joined({headingEntry(1, 1, "a"), headingEntry(32767, 2, "b"), endMarker}), allowed, 0},
      {"printable high bytes", joined({headingEntry(3, 1, "\x80\xA0\xFF\xE4"), endMarker}), allowed, 0},
      {"empty title", joined({headingEntry(3, 1, ""), endMarker}), allowed, 0},
      {"a new section frees its subsection's room",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(70)), headingEntry(1, 3, letters(7)),
               headingEntry(2, 2, letters(77)), endMarker}), allowed, 0},
      {"a new chapter frees all room",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(77)), headingEntry(2, 1, letters(977)), endMarker}),
       allowed, 0},
      {"entry cut after its page", {3, 0}, headingPastEnd, 0},
      {"page -32768", joined({headingEntry(-32768, 1, "a"), endMarker}), headingPage, 0},
      {"pages descending", joined({headingEntry(5, 1, "ab"), headingEntry(4, 2, "cd"), endMarker}), headingPage, 6},
      {"level -1", joined({chapter, headingEntry(5, -1, "x"), endMarker}), levelRange, 16},
      {"level 4", joined({chapter, headingEntry(5, 4, "x"), endMarker}), levelRange, 16},
      {"begins with a subsection", joined({headingEntry(3, 3, "1.1.1 U"), endMarker}), firstNotChapter, 2},
      {"a subsection right after a chapter", joined({chapter, headingEntry(5, 3, "1.0.1 U"), endMarker}), subsectionAfterChapter, 16},
      {"title without its end", {5, 0, 1, 'a', 'b'}, titlePastEnd, 3},
      {"tab in a title", joined({headingEntry(3, 1, "1.\tA"), endMarker}), titleCharacter, 5},
      {"line feed in a title", joined({headingEntry(3, 1, "1.\nA"), endMarker}), titleCharacter, 5},
      {"delete in a title", joined({headingEntry(3, 1, "1.\x7F" "A"), endMarker}), titleCharacter, 5},
      {"byte cp1252 leaves undefined", joined({headingEntry(3, 1, "1.\x81" "A"), endMarker}), titleCharacter, 5},
      {"fill byte not 0", {5, 0, 1, 'a', 0, 7, 0, 0}, fillByte, 5},
      {"chapter of 978 characters", joined({headingEntry(3, 1, letters(978)), endMarker}), trailTooLong, 3},
      {"subsection over the room after a new section",
       joined({headingEntry(1, 1, letters(900)), headingEntry(1, 2, letters(70)), headingEntry(1, 3, letters(7)),
               headingEntry(2, 2, letters(77)), headingEntry(2, 3, "x"), endMarker}), trailTooLong, 1075},
      {"no bytes at all", {}, headingTableEnd, 0},
      {"a lone zero byte", {0}, headingTableEnd, 0},
      {"fill byte missing before the end", {3, 0, 1, 'a', 0, 0, 0}, headingTableEnd, 6},
      {"page 0 inside the table", joined({chapter, endMarker, section, endMarker}), bytesAfterEnd, 16},
  };
  for (const Case& c : cases) {
    std::vector<ModelHeading> headings;
    std::string reason;
    bool modelAccepts = modelReadHeadingTable(c.bytes, headings, reason);
    expectVerdict(c, checkedHeadingTable(c.bytes), modelAccepts, reason);
  }
}

}  // namespace
