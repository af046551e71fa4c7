// Load-time checks: a valid data set passes; each broken rule is refused with
// its rule and the offset where it was found; every truncation is refused.
#include <gtest/gtest.h>

#include <cstring>

#include "search/search_state.h"
#include "test_data.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A word entry written without any check: key codes, display word, pages.
constexpr int countOfPages = 0x10000;

Bytes entry(Bytes key, const std::string& word, std::vector<int> pages, int count = countOfPages) {
  Bytes bytes = key;
  bytes.push_back(0);
  bytes.insert(bytes.end(), word.begin(), word.end());
  bytes.push_back(0);
  if (count == countOfPages) count = static_cast<int>(pages.size());
  bytes.push_back(static_cast<unsigned char>(count & 0xFF));
  bytes.push_back(static_cast<unsigned char>((count >> 8) & 0xFF));
  for (int page : pages) {
    bytes.push_back(static_cast<unsigned char>(page & 0xFF));
    bytes.push_back(static_cast<unsigned char>((page >> 8) & 0xFF));
  }
  return bytes;
}

Bytes index(std::initializer_list<Bytes> entries, Bytes end = {0, 0}) {
  Bytes bytes;
  for (const Bytes& e : entries) bytes.insert(bytes.end(), e.begin(), e.end());
  bytes.insert(bytes.end(), end.begin(), end.end());
  return bytes;
}

const Bytes ab = entry({3, 5}, "ab", {1});
const Bytes abc = entry({3, 5, 6}, "Abc", {2, 3});

struct Case {
  const char* what;
  Bytes bytes;
  const char* rule;   // the start of the rule's sentence, or nullptr when accepted
  uint32_t offset;
};

void expectCase(const Case& c, bool (*check)(const unsigned char*, uint32_t, DataSetFault*)) {
  DataSetFault fault{"(none)", 0, 0};
  bool accepted = check(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()), &fault);
  if (c.rule == nullptr) {
    EXPECT_TRUE(accepted) << c.what << ": " << fault.rule << " at " << fault.offset;
    return;
  }
  EXPECT_FALSE(accepted) << c.what;
  EXPECT_EQ(std::string(fault.rule).rfind(c.rule, 0), 0u) << c.what << ": " << fault.rule;
  EXPECT_EQ(fault.offset, c.offset) << c.what;
}

TEST(DataCheck, WordIndexRules) {
  const Case cases[] = {
      {"valid", index({ab, abc}), nullptr, 0},
      {"end marker alone", index({}), nullptr, 0},
      {"count of 0", index({entry({3, 5}, "ab", {})}), nullptr, 0},
      {"pages 0 and 1799", index({entry({3, 5}, "ab", {0, 1799})}), nullptr, 0},
      {"code 44", index({entry({3, 44}, "ab", {1})}), "key codes", 1},
      {"display word of another symbol", index({entry({3, 5}, "ac", {1})}), "key from display word", 4},
      {"display word with a blank", index({entry({3, 5}, "a ", {1})}), "key from display word", 4},
      {"display word too short", index({entry({3, 5, 6}, "ab", {1})}), "key from display word", 4},
      {"one code", index({entry({3}, "a", {1})}), "key length", 0},
      {"880 codes", index({entry(Bytes(880, 3), std::string(880, 'a'), {1})}), "key length", 0},
      {"equal keys", index({ab, ab}), "order", 10},
      {"descending", index({abc, ab}), "order", 14},
      {"negative count", index({entry({3, 5}, "ab", {}, -1)}), "page count", 6},
      {"count 1801", index({entry({3, 5}, "ab", {}, 1801)}), "page count", 6},
      {"page 1800", index({entry({3, 5}, "ab", {1800})}), "pages", 8},
      {"page -1", index({entry({3, 5}, "ab", {-1})}), "pages", 8},
      {"pages not ascending", index({entry({3, 5}, "ab", {3, 2})}), "pages", 10},
      {"repeated page", index({entry({3, 5}, "ab", {3, 3})}), "pages", 10},
      {"no end marker", index({ab}, {}), "end marker", 10},
      {"half an end marker", index({ab}, {0}), "end marker", 10},
      {"byte after the end marker", index({ab}, {0, 0, 0}), "end marker", 12},
      {"key without end", {3, 5}, "key", 0},
      {"pages past the end", index({entry({3, 5}, "ab", {}, 3)}, {}), "pages", 8},
  };
  for (const Case& c : cases) expectCase(c, checkWordIndex);
}

std::string title(int length) { return std::string(static_cast<size_t>(length), 'T'); }

Bytes headings(std::initializer_list<std::tuple<int, int, std::string>> entries, Bytes end = {0, 0}) {
  Bytes bytes;
  for (auto& [page, level, text] : entries) {
    bytes.push_back(static_cast<unsigned char>(page & 0xFF));
    bytes.push_back(static_cast<unsigned char>((page >> 8) & 0xFF));
    bytes.push_back(static_cast<unsigned char>(level));
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
    if (text.size() % 2 == 1) bytes.push_back(0);
  }
  bytes.insert(bytes.end(), end.begin(), end.end());
  return bytes;
}

TEST(DataCheck, HeadingTableRules) {
  const Case cases[] = {
      {"valid", headings({{3, 1, "1. A"}, {3, 2, "1.1 B"}, {9, 3, "1.1.1 C"}, {9, 2, "1.2 D"}}), nullptr, 0},
      {"end marker alone", headings({}), nullptr, 0},
      {"page above 1799", headings({{2000, 1, "x"}}), nullptr, 0},
      {"longest trail", headings({{1, 1, title(900)}, {1, 2, title(70)}, {1, 3, title(7)}}), nullptr, 0},
      {"negative page", headings({{-3, 1, "x"}}), "pages", 0},
      {"pages descending", headings({{5, 1, "ab"}, {4, 2, "cd"}}), "pages", 6},
      {"level 4", headings({{5, 1, "ab"}, {6, 4, "cd"}}), "levels", 8},
      {"level 0", headings({{5, 0, "ab"}}), "levels", 2},
      {"starts with a section", headings({{5, 2, "ab"}}), "order of levels", 2},
      {"subsection after chapter", headings({{5, 1, "ab"}, {6, 3, "cd"}}), "order of levels", 8},
      {"tab in a title", headings({{5, 1, "a\tb"}}), "titles", 4},
      {"control byte", headings({{5, 1, "ab\x7F"}}), "titles", 5},
      {"trail over 977", headings({{1, 1, title(900)}, {1, 2, title(70)}, {1, 3, title(8)}}), "titles", 981},
      {"fill byte not 0", {5, 0, 1, 'a', 0, 7, 0, 0}, "fill byte", 5},
      {"no end marker", headings({{5, 1, "ab"}}, {}), "end marker", 6},
      {"byte after the end marker", headings({{5, 1, "ab"}}, {0, 0, 0}), "end marker", 8},
      {"title without end", {5, 0, 1, 'a', 'b'}, "titles", 3},
  };
  for (const Case& c : cases) expectCase(c, checkHeadingTable);
}

// Every proper beginning of a valid data set is refused, and no check reads
// past the cut (the sanitizer build sees each cut as its own allocation).
TEST(DataCheck, EveryTruncationIsRefused) {
  Bytes words = index({ab, abc, entry({14, 26, 22, 5, 8, 15}, "Kurbel", {4, 5, 1799})});
  Bytes table = headings({{3, 1, "1. A"}, {3, 2, "1.1 Be"}, {9, 3, "1.1.1 C"}});
  for (size_t cut = 0; cut < words.size(); ++cut) {
    Bytes part(words.begin(), words.begin() + static_cast<long>(cut));
    EXPECT_FALSE(checkWordIndex(part.data(), static_cast<uint32_t>(cut), nullptr)) << cut;
  }
  for (size_t cut = 0; cut < table.size(); ++cut) {
    Bytes part(table.begin(), table.begin() + static_cast<long>(cut));
    EXPECT_FALSE(checkHeadingTable(part.data(), static_cast<uint32_t>(cut), nullptr)) << cut;
  }
}

TEST(DataCheck, RefusedDataSetsNeverReachTheReaders) {
  Bytes words = index({ab}, {});
  Bytes table = headings({});
  DataSetFault fault{};
  EXPECT_FALSE(installDataSets(words.data(), static_cast<uint32_t>(words.size()), table.data(),
                               static_cast<uint32_t>(table.size()), &fault));
  EXPECT_EQ(searchState.index, nullptr);
  EXPECT_EQ(searchState.headings, nullptr);
  EXPECT_EQ(searchState.buckets[2][4], nullptr);
  EXPECT_FALSE(installDataSets(nullptr, 0, table.data(), 2, &fault));
  EXPECT_STREQ(fault.rule, "data set: the word index is missing");
}

}  // namespace
