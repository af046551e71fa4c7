#include "script/script_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

// The system's reason goes with a failure, so that "no such file" and "is a
// directory" can be told apart.
bool readDataFile(const char* path, std::vector<unsigned char>& bytes, std::string& reason) {
  errno = 0;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return reason = std::strerror(errno), false;
  bytes.clear();
  unsigned char block[65536];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + got);
  bool failed = std::ferror(file) != 0;
  if (failed) reason = std::strerror(errno != 0 ? errno : EIO);
  std::fclose(file);
  return !failed;
}
