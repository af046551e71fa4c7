#include "output_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char siblingMark[] = ".quirel-";
constexpr std::size_t uniqueLength = 6;  // mkdtemp's XXXXXX

struct Target {
  std::string path;    // absolute, symbolic links resolved
  std::string parent;
  std::string name;
  bool exists = false;
  mode_t mode = 0;     // the directory's, or what a new one gets
};

std::string systemError(const std::string& path, const char* what) {
  return path + ": " + what + ": " + std::strerror(errno);
}

// The entries of a directory open as `descriptor`, "." and ".." left out.
// The descriptor stays open.
std::vector<std::string> entriesOf(int descriptor) {
  std::vector<std::string> names;
  const int reading = dup(descriptor);
  DIR* directory = reading < 0 ? nullptr : fdopendir(reading);
  if (directory == nullptr) {
    if (reading >= 0) close(reading);
    return names;
  }
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(directory);
  return names;
}

std::vector<std::string> entriesOf(const std::string& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return {};
  std::vector<std::string> names = entriesOf(descriptor);
  close(descriptor);
  return names;
}

// One of the output names, or a temporary of one that a run of an earlier
// version left ("words.tsv.Ab12Cd").
bool isOutputName(const std::string& name, const std::vector<OutputFile>& files) {
  for (const OutputFile& file : files) {
    if (name == file.path) return true;
    if (name.size() == file.path.size() + 1 + uniqueLength && name.compare(0, file.path.size(), file.path) == 0 &&
        name[file.path.size()] == '.')
      return true;
  }
  return false;
}

// The output files of a directory and then the directory go; anything else
// in it stays, and so does the directory then.
void removeOutputs(const std::string& path, const std::vector<OutputFile>& files) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return;
  for (const std::string& name : entriesOf(descriptor)) {
    if (isOutputName(name, files)) unlinkat(descriptor, name.c_str(), 0);
  }
  close(descriptor);
  unlinkat(AT_FDCWD, path.c_str(), AT_REMOVEDIR);
}

// Siblings that killed runs left; one that a live run holds locked is its
// work in progress and stays.
void removeLeftSiblings(const Target& target, const std::vector<OutputFile>& files) {
  const std::string prefix = "." + target.name + siblingMark;
  for (const std::string& name : entriesOf(target.parent)) {
    if (name.size() != prefix.size() + uniqueLength || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string path = target.parent + "/" + name;
    const int held = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (held < 0) continue;
    if (flock(held, LOCK_EX | LOCK_NB) == 0) removeOutputs(path, files);
    close(held);
  }
}

// The directory by its absolute path with symbolic links resolved, so that
// the exchange replaces what a link points to, not the link.
bool resolveTarget(const std::string& directory, Target& target, std::string& error) {
  std::error_code failure;
  fs::path path = fs::weakly_canonical(fs::absolute(directory, failure), failure);
  if (!failure && !path.has_filename()) path = path.parent_path();
  if (failure || !path.has_filename() || path.parent_path() == path) {
    error = directory + ": cannot be replaced as a whole; give a directory below another";
    return false;
  }
  target.path = path.string();
  target.parent = path.parent_path().string();
  target.name = path.filename().string();
  return true;
}

mode_t newDirectoryMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0777 & ~mask;
}

// The directory as it is: absent, or holding output files only.
bool replaceable(Target& target, const std::vector<OutputFile>& files, const std::string& directory,
                 std::string& error) {
  struct stat status {};
  target.exists = lstat(target.path.c_str(), &status) == 0;
  target.mode = target.exists ? status.st_mode & 07777 : newDirectoryMode();
  if (!target.exists && errno != ENOENT) return error = systemError(directory, "cannot look at it"), false;
  if (target.exists && !S_ISDIR(status.st_mode)) return error = directory + ": not a directory", false;
  for (const std::string& name : target.exists ? entriesOf(target.path) : std::vector<std::string>()) {
    if (isOutputName(name, files)) continue;
    error = directory + ": holds \"" + name +
            "\", which the book command does not write; give an empty directory or a new one";
    return false;
  }
  return true;
}

bool writeInto(int directory, const std::string& path, const OutputFile& file, std::string& error) {
  const int descriptor = openat(directory, file.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return error = systemError(path + "/" + file.path, "cannot create"), false;
  const bool good = writeAll(descriptor, file.content) && fsync(descriptor) == 0;
  if (!good) error = systemError(path + "/" + file.path, "cannot write");
  return close(descriptor) == 0 && good;
}

// The new set, whole and on disk, in the sibling open as `held`.
bool fillSibling(int held, const std::string& sibling, const Target& target, const std::vector<OutputFile>& files,
                 std::string& error) {
  if (flock(held, LOCK_EX) != 0 || fchmod(held, target.mode) != 0)
    return error = systemError(sibling, "cannot prepare"), false;
  for (const OutputFile& file : files) {
    if (!writeInto(held, sibling, file, error)) return false;
  }
  return fsync(held) == 0 || (error = systemError(sibling, "cannot write"), false);
}

bool swapIn(const std::string& sibling, const Target& target, const std::string& directory, std::string& error) {
  const unsigned how = target.exists ? RENAME_EXCHANGE : RENAME_NOREPLACE;
  if (renameat2(AT_FDCWD, sibling.c_str(), AT_FDCWD, target.path.c_str(), how) == 0) return true;
  error = systemError(directory, errno == EINVAL ? "cannot be replaced whole (its file system cannot exchange "
                                                   "directories)"
                                                 : "cannot be replaced");
  return false;
}

}  // namespace

bool replaceDirectory(const std::string& directory, const std::vector<OutputFile>& files, std::string& error) {
  Target target;
  if (!resolveTarget(directory, target, error) || !replaceable(target, files, directory, error)) return false;
  removeLeftSiblings(target, files);
  std::string sibling = target.parent + "/." + target.name + siblingMark + std::string(uniqueLength, 'X');
  if (mkdtemp(sibling.data()) == nullptr) return error = systemError(directory, "cannot make a directory beside it"), false;
  const int held = open(sibling.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool good = held >= 0 ? fillSibling(held, sibling, target, files, error) && swapIn(sibling, target, directory, error)
                              : (error = systemError(sibling, "cannot open"), false);
  removeOutputs(sibling, files);  // the old set after an exchange, the new one after a failure
  if (held >= 0) close(held);
  return good;
}
