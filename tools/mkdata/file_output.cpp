#include "file_output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool writeTemporary(const OutputFile& file, std::string& temporary, std::string& error) {
  std::string pattern = file.path + ".XXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0) {
    error = file.path + ": cannot create a temporary file: " + std::strerror(errno);
    return false;
  }
  temporary = pattern;
  std::size_t written = 0;
  while (written < file.content.size()) {
    const ssize_t n = write(descriptor, file.content.data() + written, file.content.size() - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  const bool complete = written == file.content.size() && fchmod(descriptor, 0644) == 0;
  if (close(descriptor) != 0 || !complete) {
    error = file.path + ": cannot write: " + std::strerror(errno);
    return false;
  }
  return true;
}

// A rename onto a directory fails; found only at the second of two targets,
// it would leave the first one replaced. So every target is looked at before
// any is replaced.
bool replaceableTarget(const std::string& path, std::string& error) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return true;
  error = path + ": cannot replace: it is a directory";
  return false;
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& content, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open: " + std::strerror(errno);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  content = buffer.str();
  return true;
}

bool replaceFiles(const std::vector<OutputFile>& files, std::string& error) {
  std::vector<std::string> temporaries;
  bool good = true;
  for (const OutputFile& file : files) {
    std::string temporary;
    good = writeTemporary(file, temporary, error);
    if (!temporary.empty()) temporaries.push_back(temporary);
    if (!good) break;
  }
  for (std::size_t i = 0; good && i < files.size(); ++i) good = replaceableTarget(files[i].path, error);
  for (std::size_t i = 0; good && i < files.size(); ++i) {
    if (std::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
      error = files[i].path + ": cannot replace: " + std::strerror(errno);
      good = false;
    }
  }
  if (!good) {
    for (const std::string& temporary : temporaries) std::remove(temporary.c_str());
  }
  return good;
}
