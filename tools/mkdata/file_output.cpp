#include "file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool writeTemporary(const OutputFile& file, std::string& temporary, std::string& error) {
  std::string pattern = file.path + ".XXXXXX";
  const int descriptor = mkstemp(pattern.data());
  if (descriptor < 0) {
    error = file.path + ": cannot create a temporary file: " + std::strerror(errno);
    return false;
  }
  temporary = pattern;
  const bool complete = writeAll(descriptor, file.content) && fchmod(descriptor, 0644) == 0;
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

// What a path that is no regular file is, for the one line that refuses it.
bool refuseKind(const std::string& path, const struct stat& status, std::string& error) {
  const char* kind = S_ISDIR(status.st_mode)    ? "a directory"
                     : S_ISFIFO(status.st_mode) ? "a FIFO"
                     : S_ISCHR(status.st_mode)  ? "a character device"
                     : S_ISBLK(status.st_mode)  ? "a block device"
                     : S_ISSOCK(status.st_mode) ? "a socket"
                                                : "not a plain file";
  error = path + ": " + kind + ", not a regular file; give the path of a file";
  return false;
}

// To the end of the file, whatever its size said when it was opened.
bool readAll(int descriptor, std::size_t expectedSize, std::string& content) {
  content.assign(expectedSize + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) content.resize(2 * content.size());
    const ssize_t n = read(descriptor, content.data() + filled, content.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      content.resize(filled);
      return n == 0;
    }
    filled += static_cast<std::size_t>(n);
  }
}

}  // namespace

bool writeAll(int descriptor, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = write(descriptor, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

bool readWholeFile(const std::string& path, std::string& content, std::string& error) {
  struct stat status {};
  if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) return refuseKind(path, status, error);
  // Without O_NONBLOCK, opening a FIFO that appeared since would wait for a
  // writer; what was opened is judged again.
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return error = path + ": cannot open: " + std::strerror(errno), false;
  const bool opened = fstat(descriptor, &status) == 0;
  const bool regular = opened && (S_ISREG(status.st_mode) || refuseKind(path, status, error));
  const bool good = regular && readAll(descriptor, static_cast<std::size_t>(status.st_size), content);
  if (regular && !good) error = path + ": cannot read: " + std::strerror(errno);
  if (!opened) error = path + ": cannot read: " + std::strerror(errno);
  close(descriptor);
  return good;
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
