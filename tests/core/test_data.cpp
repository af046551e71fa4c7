#include "test_data.h"

#include <gtest/gtest.h>

#include <cstring>

#include "search/derived_tables.h"
#include "search/search_state.h"

static std::vector<unsigned char> indexBytes, headingBytes;

static void resetSlots() {
  std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
  std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  std::memset(searchState.resultPages, 0, sizeof searchState.resultPages);
  searchState.message = nullptr;
  distance = 1;
}

void installBook(const std::vector<ProducerWord>& words, const std::vector<ProducerHeading>& headings) {
  ProducerError error;
  ASSERT_TRUE(produceWordIndex(words, indexBytes, error)) << error.item << ": " << dataRuleText(error.rule);
  ASSERT_TRUE(produceHeadingTable(headings, headingBytes, error)) << error.item << ": " << dataRuleText(error.rule);
  DataSetFault fault{};
  ASSERT_TRUE(installDataSets(indexBytes.data(), static_cast<uint32_t>(indexBytes.size()),
                              headingBytes.data(), static_cast<uint32_t>(headingBytes.size()), &fault))
      << dataRuleText(fault.rule);
  resetSlots();
}

void installRawIndex(const std::vector<unsigned char>& bytes) {
  indexBytes = bytes;
  searchState.index = indexBytes.data();
  searchState.indexSize = static_cast<uint32_t>(indexBytes.size());
  buildTablesFromData();
  resetSlots();
}

std::vector<ProducerWord> nineWords() {
  return {{"Achswelle", {1}}, {"Kardanwelle", {2}}, {"Kupplung", {3}},
          {"Kurbel", {4}}, {cp1252("Kurbelgehäuse"), {5}}, {"Kurbeltrieb", {6}},
          {"Kurbelwelle", {7}}, {"Kutsche", {8}}, {"Nockenwelle", {9}}};
}

std::vector<std::string> lookUp(int slot, const std::string& term) {
  std::strncpy(searchState.termText, term.c_str(), textSize - 1);
  searchState.termText[textSize - 1] = 0;
  std::vector<std::string> words;
  for (const WordEntry* entry = findFirstMatch(slot); entry != nullptr; entry = findNextMatch(slot, entry)) {
    words.emplace_back(displayWordOf(entry));
  }
  return words;
}

std::string cp1252(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c == 0xC3 && i + 1 < utf8.size()) {
      out += static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40);
    } else if (c == 0xC2 && i + 1 < utf8.size()) {
      out += utf8[++i];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}
