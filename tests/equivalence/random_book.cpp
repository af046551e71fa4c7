#include "random_book.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "search/search_state.h"

namespace {

std::vector<unsigned char> indexBytes, headingBytes;

// Mostly a few letters, so that keys share many pieces; now and then any
// other symbol a display word may hold.
char randomSymbol(std::mt19937& random) {
  static const char common[] = "aebn";
  static const char rare[] = "AZ\xC4\xE4\xDF\xF6\xFC-/'09xyq";
  if (random() % 8 != 0) return common[random() % (sizeof common - 1)];
  return rare[random() % (sizeof rare - 1)];
}

std::vector<unsigned char> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<ProducerWord> randomWords(std::mt19937& random, int count, int longest) {
  std::vector<ProducerWord> words;
  for (int i = 0; i < count; ++i) {
    ProducerWord word;
    int length = 2 + static_cast<int>(random() % static_cast<unsigned>(longest - 1));
    for (int c = 0; c < length; ++c) word.displayWord += randomSymbol(random);
    int pages = static_cast<int>(random() % 31);
    for (int p = 0; p < pages; ++p) word.pages.push_back(static_cast<int>(random() % pageLimit));
    words.push_back(word);
  }
  return words;
}

void installWords(const std::vector<ProducerWord>& words) {
  ProducerError error;
  ASSERT_TRUE(produceWordIndex(words, indexBytes, error)) << error.item << ": " << dataRuleText(error.rule);
  ASSERT_TRUE(produceHeadingTable({}, headingBytes, error)) << dataRuleText(error.rule);
  DataSetFault fault{};
  ASSERT_TRUE(installDataSets(indexBytes.data(), static_cast<uint32_t>(indexBytes.size()),
                              headingBytes.data(), static_cast<uint32_t>(headingBytes.size()), &fault))
      << dataRuleText(fault.rule);
}

bool installBuiltInBook() {
  indexBytes = readFile(QUIREL_DATA_DIR "/word_index.bin");
  headingBytes = readFile(QUIREL_DATA_DIR "/heading_table.bin");
  DataSetFault fault{};
  return installDataSets(indexBytes.data(), static_cast<uint32_t>(indexBytes.size()),
                         headingBytes.data(), static_cast<uint32_t>(headingBytes.size()), &fault);
}

std::string randomTerm(std::mt19937& random, int longest) {
  auto length = static_cast<uint32_t>(1 + random() % static_cast<unsigned>(longest));
  std::string term;
  if (random() % 4 == 0) {
    for (uint32_t i = 0; i < length; ++i) term += static_cast<char>(1 + random() % keyAlphabetSize);
    return term;
  }
  // A piece of some key, any entry alike.
  unsigned entries = 0;
  for (const WordEntry* e = entryAt(searchState.index); e != nullptr; e = nextEntry(e)) ++entries;
  const WordEntry* entry = entryAt(searchState.index);
  for (auto skip = static_cast<unsigned>(random() % entries); skip > 0; --skip) entry = nextEntry(entry);
  uint32_t keyLen = keyLength(entry);
  uint32_t at = static_cast<uint32_t>(random() % keyLen);
  term.assign(reinterpret_cast<const char*>(entry) + at, std::min(length, keyLen - at));
  return term;
}
