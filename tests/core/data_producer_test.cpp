// The producer writes exactly the bytes of the formats, merges words by key,
// and refuses what it cannot store with the item and a reason.
#include <gtest/gtest.h>

#include <tuple>

#include "producer/data_producer.h"
#include "test_data.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes wordIndex(const std::vector<ProducerWord>& words) {
  Bytes bytes;
  ProducerError error;
  EXPECT_TRUE(produceWordIndex(words, bytes, error)) << dataRuleText(error.rule);
  return bytes;
}

TEST(DataProducer, WordEntryBytes) {
  EXPECT_EQ(wordIndex({{cp1252("Kühl-Blech"), {345, 12, 345}}}),
            (Bytes{0x0E, 0x1B, 0x0B, 0x0F, 0x01, 0x05, 0x0F, 0x08, 0x06, 0x0B, 0x00,
                   0x4B, 0xFC, 0x68, 0x6C, 0x2D, 0x42, 0x6C, 0x65, 0x63, 0x68, 0x00,
                   0x02, 0x00, 0x0C, 0x00, 0x59, 0x01, 0x00, 0x00}));
  EXPECT_EQ(wordIndex({}), (Bytes{0, 0}));
}

TEST(DataProducer, HeadingEntryBytes) {
  Bytes bytes;
  ProducerError error;
  ASSERT_TRUE(produceHeadingTable({{40, 1, "2. Beispielkapitel"}, {47, 2, "2.3 Beispielabschnitt"}}, bytes, error));
  Bytes expected = {0x28, 0x00, 0x01};
  for (char c : std::string("2. Beispielkapitel")) expected.push_back(static_cast<unsigned char>(c));
  expected.insert(expected.end(), {0x00, 0x2F, 0x00, 0x02});
  for (char c : std::string("2.3 Beispielabschnitt")) expected.push_back(static_cast<unsigned char>(c));
  expected.insert(expected.end(), {0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(bytes, expected);
}

TEST(DataProducer, EqualKeysMergeIntoTheFirstForm) {
  Bytes merged = wordIndex({{cp1252("Ölbad"), {7, 3}}, {cp1252("ölbad"), {3, 5}}, {"x", {1}}});
  EXPECT_EQ(merged, wordIndex({{cp1252("Ölbad"), {3, 5, 7}}})) << "pages united, the one-code word left out";
  EXPECT_EQ(merged[0], 0x13);
}

// What the checks refuse comes back as the rule and the item that broke it.
struct Refusal {
  std::vector<ProducerWord> words;
  std::size_t item;
  DataRule rule;
};

TEST(DataProducer, RefusesWhatCannotBeStored) {
  const Refusal cases[] = {
      {{{"gut", {1}}, {"caf\xE9", {2}}}, 1, DataRule::displayWordCharacter},
      {{{"zwei Worte", {1}}}, 0, DataRule::displayWordCharacter},
      {{{"gut", {1}}, {"mehr", {1800}}}, 1, DataRule::pageRange},
      {{{"zu", {2}}, {"gut", {-1}}}, 1, DataRule::pageRange},
      {{{"gut", {70000}}}, 0, DataRule::pageRange},
      {{{"ab", {1}}, {"zz", {1}}, {std::string(880, 'm'), {1}}}, 2, DataRule::keyTooLong},
  };
  for (const Refusal& c : cases) {
    Bytes bytes;
    ProducerError error{};
    EXPECT_FALSE(produceWordIndex(c.words, bytes, error)) << dataRuleText(c.rule);
    EXPECT_EQ(error.item, c.item) << dataRuleText(c.rule);
    EXPECT_EQ(error.rule, c.rule) << dataRuleText(error.rule);
  }
}

TEST(DataProducer, RefusesHeadingsThatBreakTheTable) {
  const std::tuple<std::vector<ProducerHeading>, std::size_t, DataRule> cases[] = {
      {{{1, 2, "1.1 a"}}, 0, DataRule::firstNotChapter},
      {{{1, 1, "1. a"}, {2, 3, "1.0.1 b"}}, 1, DataRule::subsectionAfterChapter},
      {{{5, 1, "1. a"}, {4, 2, "1.1 b"}}, 1, DataRule::headingPage},
      {{{0, 1, "1. a"}}, 0, DataRule::headingPage},
      {{{1, 1, "1. a"}, {40000, 2, "1.1 b"}}, 1, DataRule::headingPage},
      {{{1, 4, "x"}}, 0, DataRule::levelRange},
      {{{1, 1, "x"}, {1, 257, "y"}}, 1, DataRule::levelRange},
      {{{1, 1, "a\tb"}}, 0, DataRule::titleCharacter},
      {{{1, 1, std::string("a\0b", 3)}}, 0, DataRule::titleCharacter},
      {{{1, 1, "1. a"}, {1, 2, std::string(975, 'x')}}, 1, DataRule::trailTooLong},
  };
  for (const auto& [table, item, rule] : cases) {
    Bytes bytes;
    ProducerError error{};
    EXPECT_FALSE(produceHeadingTable(table, bytes, error)) << dataRuleText(rule);
    EXPECT_EQ(error.item, item) << dataRuleText(rule);
    EXPECT_EQ(error.rule, rule) << dataRuleText(error.rule);
  }
}

}  // namespace
