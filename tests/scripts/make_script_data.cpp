// Writes the made-up data sets of the dialog scripts into a directory:
//   small_index.bin, small_headings.bin  a small engine book
// The committed copies in data/ must equal what this writes (checked by a
// test), so a change here means regenerating them.
#include <cstdio>
#include <string>
#include <vector>

#include "producer/data_producer.h"

namespace {

std::vector<int> pageRun(int first, int count) {
  std::vector<int> pages;
  for (int i = 0; i < count; ++i) pages.push_back(first + i);
  return pages;
}

std::string withSuffix(const std::string& stem, int i) {
  return stem + static_cast<char>('a' + i / 10) + static_cast<char>('a' + i % 10);
}

std::vector<ProducerWord> words() {
  std::vector<ProducerWord> all = {
      {"Achse", {11}},
      {"Achswelle", {3, 12}},
      {"Kardanwelle", {5, 6, 40}},
      {"Kurbel", {10, 12}},
      {"Kurbelgeh\xE4use", {12, 50}},
      {"Kurbeltrieb", {11}},
      {"Kurbelwelle", {10, 48}},
      {"K\xFChler", {44}},
      {"Lager", {400}},
      {"Ma\xDF", {46}},
      {"Nockenwelle", {13, 47, 1799}},
      {"\xD6l-Pumpe", {45}},
      {"Rock'n'Roll", {900}},
      {"3/4-Zoll", {47}},
      {"Leerwort", {}},
      {"Zwanzigseiten", pageRun(501, 20)},
      {"Einundzwanzig", pageRun(601, 21)},
  };
  for (int i = 0; i < 100; ++i) all.push_back({withSuffix("Hebel", i), {200 + i}});
  for (int i = 0; i < 110; ++i) all.push_back({withSuffix("Ventil", i), {700 + i}});
  return all;
}

std::vector<ProducerHeading> headings() {
  return {{5, 1, "1. Antrieb"},      {40, 2, "1.2 Wellen"},   {47, 3, "1.2.1 Nockenwellen"},
          {60, 1, "2. Schmierung"},  {1790, 1, "9. Anhang"}};
}

bool write(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_script_data DIRECTORY\n");
    return 2;
  }
  std::string directory = argv[1];
  std::vector<unsigned char> index, table;
  ProducerError error;
  if (!produceWordIndex(words(), index, error) || !produceHeadingTable(headings(), table, error)) {
    std::fprintf(stderr, "item %zu: %s\n", error.item, dataRuleText(error.rule));
    return 1;
  }
  return write(directory + "/small_index.bin", index) && write(directory + "/small_headings.bin", table) ? 0 : 1;
}
