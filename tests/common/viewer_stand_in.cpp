// A stand-in for a document viewer: it writes how it was started (its
// arguments, one a line, its process and session ids, the descriptors it
// holds) to the file $QUIREL_STAND_IN_RECORD names, then stays, as a
// viewer does, until it is ended (a minute at most).
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Its own listing's descriptor left out.
std::vector<int> openDescriptors() {
  std::vector<int> descriptors;
  DIR* listing = opendir("/proc/self/fd");
  if (listing == nullptr) return descriptors;
  while (dirent* entry = readdir(listing)) {
    if (entry->d_name[0] == '.') continue;
    int fd = std::atoi(entry->d_name);
    if (fd != dirfd(listing)) descriptors.push_back(fd);
  }
  closedir(listing);
  std::sort(descriptors.begin(), descriptors.end());
  return descriptors;
}

}  // namespace

int main(int argc, char** argv) {
  const char* record = std::getenv("QUIREL_STAND_IN_RECORD");
  if (record == nullptr) return 2;
  std::string text;
  for (int i = 0; i < argc; ++i) text += "arg\t" + std::string(argv[i]) + "\n";
  text += "pid\t" + std::to_string(getpid()) + "\nsid\t" + std::to_string(getsid(0)) + "\n";
  for (int fd : openDescriptors()) text += "fd\t" + std::to_string(fd) + "\n";
  // Whole or not at all: written aside, then renamed into place.
  std::string aside = std::string(record) + ".part";
  FILE* file = std::fopen(aside.c_str(), "wb");
  if (file == nullptr) return 2;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  std::rename(aside.c_str(), record);
  alarm(60);
  pause();
}
