// Hostile terms against the shipped book: every byte value in every position,
// the longest terms the engine takes, and stars where they do not belong.
// Each lookup must give what the plain reading of the lookup rules gives, and
// must leave the other two slots exactly as they were.
#include <gtest/gtest.h>

#include <cstring>

#include "hostile_data.h"
#include "reference_model.h"
#include "search/search_state.h"

namespace {

class HostileTerms : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    index_ = shippedWordIndex();
    headings_ = shippedHeadingTable();
    std::string reason;
    ASSERT_TRUE(modelReadWordIndex(index_, words_, reason)) << reason;
    DataSetFault fault{};
    ASSERT_TRUE(installDataSets(index_.data(), static_cast<uint32_t>(index_.size()), headings_.data(),
                                static_cast<uint32_t>(headings_.size()), &fault));
  }

  // One whole lookup, compared with the rules; the other slots must keep
  // their counts and page maps.
  static void expectLookup(int slot, const std::string& term) {
    SearchState& s = searchState;
    ASSERT_LT(term.size(), sizeof s.termText);
    SearchState before = s;
    std::memcpy(s.termText, term.c_str(), term.size() + 1);
    std::vector<uint32_t> offsets;
    for (const WordEntry* e = findFirstMatch(slot); e != nullptr; e = findNextMatch(slot, e)) {
      offsets.push_back(static_cast<uint32_t>(entryBytes(e) - index_.data()));
    }
    ModelLookup expected = modelLookUp(words_, term);
    std::string shown = term.size() > 40 ? term.substr(0, 40) + "..." : term;
    EXPECT_EQ(offsets, expected.offsets) << shown;
    EXPECT_EQ(s.hitCount[slot], expected.hitCount) << shown;
    EXPECT_EQ(s.message, expected.message) << shown;
    EXPECT_EQ(std::memcmp(s.termPages[slot], expected.pages.data(), pageLimit), 0) << shown;
    for (int other = 0; other < termSlots; ++other) {
      if (other == slot) continue;
      EXPECT_EQ(s.hitCount[other], before.hitCount[other]) << shown;
      EXPECT_EQ(std::memcmp(s.termPages[other], before.termPages[other], pageLimit), 0) << shown;
    }
  }

  static Bytes index_, headings_;
  static std::vector<ModelWord> words_;
};

Bytes HostileTerms::index_, HostileTerms::headings_;
std::vector<ModelWord> HostileTerms::words_;

TEST_F(HostileTerms, EveryByteInEveryPosition) {
  const std::string base = "Kurb";
  int slot = 0;
  for (int value = 1; value <= 0xFF; ++value) {
    const char c = static_cast<char>(value);
    for (size_t at = 0; at <= base.size(); ++at) {
      std::string inserted = base;
      inserted.insert(at, 1, c);
      expectLookup(slot++ % termSlots, inserted);
      if (at == base.size()) continue;
      std::string replaced = base;
      replaced[at] = c;
      expectLookup(slot++ % termSlots, replaced);
    }
    expectLookup(slot++ % termSlots, std::string(1, c));
    expectLookup(slot++ % termSlots, "*" + std::string(1, c));
  }
}

TEST_F(HostileTerms, TheLongestTerms) {
  const std::string cases[] = {
      std::string(998, 'a'), std::string(999, 'a'), "*" + std::string(998, 'e'),
      std::string(998, 'a') + "\xC9", "*" + std::string(997, 'e') + "*",
      "Kurbel" + std::string(993, 'w'), std::string(999, '*'),
  };
  for (int slot = 0; slot < termSlots; ++slot) {
    for (const std::string& term : cases) expectLookup(slot, term);
  }
}

TEST_F(HostileTerms, StarsWhereTheyDoNotBelong) {
  const char* const cases[] = {"*", "**", "***", "*a*", "a*", "*\x01", "*\xFF", "*\xC9", "* ", "*ab*", "*e", "*\xC4"};
  for (const char* term : cases) {
    for (int slot = 0; slot < termSlots; ++slot) expectLookup(slot, term);
  }
}

}  // namespace
