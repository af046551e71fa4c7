// The book's files where paths are bytes: the executable found through
// /proc, the checksum through nettle.
#include "book/book_files.h"

#include <nettle/sha2.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

std::string programDirectory() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || length == static_cast<ssize_t>(sizeof path)) return "";
  std::string executable(path, static_cast<std::size_t>(length));
  return executable.substr(0, executable.find_last_of('/'));
}

std::string pathIn(const std::string& directory, const std::string& fileName) {
  if (directory.empty() || directory.back() == '/') return directory + fileName;
  return directory + "/" + fileName;
}

bool isRegularFile(const std::string& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool sha256OfFile(const std::string& path, unsigned char (&digest)[sha256Size]) {
  static_assert(sha256Size == SHA256_DIGEST_SIZE);
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return false;
  sha256_ctx context;
  sha256_init(&context);
  unsigned char block[1 << 16];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) sha256_update(&context, got, block);
  if (std::ferror(file.get())) return false;
  sha256_digest(&context, sizeof digest, digest);
  return true;
}
