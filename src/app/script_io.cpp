#include "app/script_io.h"

#include <cstdio>
#include <fstream>
#include <iterator>

bool readScriptLine(std::string& line) {
  line.clear();
  int c = std::getchar();
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    line += static_cast<char>(c);
    c = std::getchar();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void writeOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void writeError(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

bool readDataFile(const char* path, std::vector<unsigned char>& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}
