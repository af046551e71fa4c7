// The shipped data sets, cut short or with one byte changed: every cut is
// refused without a read past it, and for every changed byte the checks and
// the plain reading of the formats agree on whether the data set is allowed.
#include <gtest/gtest.h>

#include <cstring>

#include "hostile_data.h"
#include "reference_model.h"
#include "search/search_state.h"

namespace {

// Cut points: every one in the first entries and in the last few, and a
// spread in between (each check of a long cut walks all of it).
std::vector<size_t> cutPoints(size_t size) {
  std::vector<size_t> cuts;
  for (size_t cut = 0; cut < size; ++cut) {
    bool nearAnEnd = cut < 200 || size - cut <= 40;
    if (nearAnEnd || cut % (size / 60 + 1) == 0) cuts.push_back(cut);
  }
  return cuts;
}

Bytes cut(const Bytes& bytes, size_t length) { return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(length)); }

TEST(DamagedData, TheShippedDataSetsAreAccepted) {
  std::vector<ModelWord> words;
  std::vector<ModelHeading> headings;
  std::string reason;
  EXPECT_TRUE(checkedWordIndex(shippedWordIndex()).accepted);
  EXPECT_TRUE(checkedHeadingTable(shippedHeadingTable()).accepted);
  EXPECT_TRUE(modelReadWordIndex(shippedWordIndex(), words, reason)) << reason;
  EXPECT_TRUE(modelReadHeadingTable(shippedHeadingTable(), headings, reason)) << reason;
}

TEST(DamagedData, EveryCutOfTheShippedWordIndexIsRefused) {
  const Bytes whole = shippedWordIndex();
  for (size_t length : cutPoints(whole.size())) {
    Verdict verdict = checkedWordIndex(cut(whole, length));
    EXPECT_FALSE(verdict.accepted) << length;
    EXPECT_LE(verdict.offset, length) << length << ": " << dataRuleText(verdict.rule);
  }
}

TEST(DamagedData, EveryCutOfTheShippedHeadingTableIsRefused) {
  const Bytes whole = shippedHeadingTable();
  for (size_t length : cutPoints(whole.size())) {
    Verdict verdict = checkedHeadingTable(cut(whole, length));
    EXPECT_FALSE(verdict.accepted) << length;
    EXPECT_LE(verdict.offset, length) << length << ": " << dataRuleText(verdict.rule);
  }
}

// The first entries of a shipped data set, closed by an end marker of their
// own: small enough to change every byte.
Bytes firstEntries(const Bytes& whole, size_t end) {
  Bytes part = cut(whole, end);
  part.insert(part.end(), endMarker.begin(), endMarker.end());
  return part;
}

const unsigned char changedValues[] = {0x00, 0x01, 0x02, 0x2B, 0x2C, 0x7F, 0x80, 0xFF};

TEST(DamagedData, ChecksAndFormatRulesAgreeOnEveryChangedByteOfTheWordIndex) {
  std::vector<ModelWord> words, ignored;
  std::string reason;
  const Bytes whole = shippedWordIndex();
  ASSERT_TRUE(modelReadWordIndex(whole, words, reason));
  const Bytes part = firstEntries(whole, words[120].offset);
  for (size_t at = 0; at < part.size(); ++at) {
    for (unsigned char value : changedValues) {
      Bytes changed = part;
      changed[at] = value;
      bool modelAccepts = modelReadWordIndex(changed, ignored, reason);
      ASSERT_EQ(checkedWordIndex(changed).accepted, modelAccepts) << "byte " << at << " = " << int(value) << ": " << reason;
    }
  }
}

TEST(DamagedData, ChecksAndFormatRulesAgreeOnEveryChangedByteOfTheHeadingTable) {
  std::vector<ModelHeading> headings, ignored;
  std::string reason;
  const Bytes whole = shippedHeadingTable();
  ASSERT_TRUE(modelReadHeadingTable(whole, headings, reason));
  std::vector<size_t> offsets = {0};
  for (const ModelHeading& h : headings) offsets.push_back(offsets.back() + 4 + h.title.size() + h.title.size() % 2);
  const Bytes part = firstEntries(whole, offsets[60]);
  for (size_t at = 0; at < part.size(); ++at) {
    for (unsigned char value : changedValues) {
      Bytes changed = part;
      changed[at] = value;
      bool modelAccepts = modelReadHeadingTable(changed, ignored, reason);
      ASSERT_EQ(checkedHeadingTable(changed).accepted, modelAccepts) << "byte " << at << " = " << int(value) << ": " << reason;
    }
  }
}

// A refused pair leaves the engine without data: every kind of lookup finds
// nothing and reads nothing.
TEST(DamagedData, ARefusedPairLeavesLookupsWithoutData) {
  Bytes index = cut(shippedWordIndex(), 1000);
  Bytes table = shippedHeadingTable();
  DataSetFault fault{};
  ASSERT_FALSE(installDataSets(index.data(), static_cast<uint32_t>(index.size()), table.data(),
                               static_cast<uint32_t>(table.size()), &fault));
  for (const char* term : {"a", "ku", "kurbel", "*ab", "*"}) {
    std::strcpy(searchState.termText, term);
    EXPECT_EQ(findFirstMatch(0), nullptr) << term;
    EXPECT_EQ(searchState.hitCount[0], -1) << term;
  }
}

}  // namespace
