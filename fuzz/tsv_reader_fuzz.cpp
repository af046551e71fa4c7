// Arbitrary text as the producer's two lists, words.tsv and headings.tsv
// (split at the first zero byte). Every refused line must be reported with
// its file and line, at most once and in order; lists that are read must
// either be refused by the data-set rules for one of their items, or pack
// into data sets that the load-time checks accept and that hold exactly
// what the lists said.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "fuzz_input.h"
#include "producer/data_producer.h"
#include "reference_model.h"
#include "tsv_files.h"

namespace {

size_t lineCount(const std::string& text) {
  size_t count = 0;
  for (char c : text) count += c == '\n';
  return count + (!text.empty() && text.back() != '\n');
}

// Each error names the file and a line of it, lines strictly ascending.
void expectErrorsByLine(const std::vector<std::string>& errors, const std::string& name, size_t lines) {
  size_t previous = 0;
  for (const std::string& error : errors) {
    FUZZ_EXPECT(error.rfind(name + ":", 0) == 0);
    size_t line = std::strtoul(error.c_str() + name.size() + 1, nullptr, 10);
    FUZZ_EXPECT(line > previous && line <= lines);
    FUZZ_EXPECT(error.find(": ", name.size() + 1) != std::string::npos);
    previous = line;
  }
}

void packWords(const std::string& text) {
  std::vector<ProducerWord> words;
  std::vector<size_t> lineOf;
  std::vector<std::string> errors;
  bool accepted = readWordsTsv(text, "words.tsv", words, lineOf, errors);
  FUZZ_EXPECT(accepted == errors.empty() && words.size() == lineOf.size());
  expectErrorsByLine(errors, "words.tsv", lineCount(text));
  if (!accepted) return;
  std::vector<unsigned char> bytes;
  ProducerError error{};
  if (!produceWordIndex(words, bytes, error)) {
    FUZZ_EXPECT(error.item < words.size());
    return;
  }
  std::vector<ModelWord> packed;
  std::string reason;
  FUZZ_EXPECT(modelReadWordIndex(bytes, packed, reason));
  std::map<std::string, std::vector<int>> pagesOf;
  for (ProducerWord word : words) {
    std::sort(word.pages.begin(), word.pages.end());
    word.pages.erase(std::unique(word.pages.begin(), word.pages.end()), word.pages.end());
    pagesOf[word.displayWord] = word.pages;
  }
  FUZZ_EXPECT(packed.size() == words.size());
  for (const ModelWord& word : packed) FUZZ_EXPECT(pagesOf.at(word.display) == word.pages);
}

void packHeadings(const std::string& text) {
  std::vector<ProducerHeading> headings;
  std::vector<size_t> lineOf;
  std::vector<std::string> errors;
  bool accepted = readHeadingsTsv(text, "headings.tsv", headings, lineOf, errors);
  FUZZ_EXPECT(accepted == errors.empty() && headings.size() == lineOf.size());
  expectErrorsByLine(errors, "headings.tsv", lineCount(text));
  if (!accepted) return;
  std::vector<unsigned char> bytes;
  ProducerError error{};
  if (!produceHeadingTable(headings, bytes, error)) {
    FUZZ_EXPECT(error.item < headings.size());
    return;
  }
  std::vector<ModelHeading> packed;
  std::string reason;
  FUZZ_EXPECT(modelReadHeadingTable(bytes, packed, reason));
  FUZZ_EXPECT(packed.size() == headings.size());
  for (size_t i = 0; i < packed.size(); ++i) {
    FUZZ_EXPECT(packed[i].page == headings[i].page && packed[i].level == headings[i].level);
    FUZZ_EXPECT(packed[i].title == headings[i].title);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const void* zero = std::memchr(data, 0, size);
  size_t split = zero == nullptr ? size : static_cast<size_t>(static_cast<const uint8_t*>(zero) - data);
  packWords(std::string(reinterpret_cast<const char*>(data), split));
  if (split < size) packHeadings(std::string(reinterpret_cast<const char*>(data) + split + 1, size - split - 1));
  return 0;
}
