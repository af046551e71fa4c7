#include "viewer/xdg/detached_start.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>

namespace {

struct SpawnSettings {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
};

// Made before the fork, so that the child in between allocates nothing.
bool prepare(SpawnSettings& settings) {
  sigset_t none, all;
  sigemptyset(&none);
  sigfillset(&all);
  short flags = POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
  return posix_spawn_file_actions_init(&settings.actions) == 0 && posix_spawnattr_init(&settings.attributes) == 0 &&
         posix_spawn_file_actions_addopen(&settings.actions, 0, "/dev/null", O_RDONLY, 0) == 0 &&
         posix_spawn_file_actions_addclosefrom_np(&settings.actions, 3) == 0 &&
         posix_spawnattr_setsigmask(&settings.attributes, &none) == 0 &&
         posix_spawnattr_setsigdefault(&settings.attributes, &all) == 0 &&
         posix_spawnattr_setflags(&settings.attributes, flags) == 0;
}

void release(SpawnSettings& settings) {
  posix_spawn_file_actions_destroy(&settings.actions);
  posix_spawnattr_destroy(&settings.attributes);
}

// The child in between: it starts the program, tells its parent how that
// went (glibc's posix_spawnp reports a failed exec) and ends, leaving the
// program to the system.
[[noreturn]] void startAndReport(char* const* argv, const SpawnSettings& settings, int report) {
  pid_t program;
  int error = posix_spawnp(&program, argv[0], &settings.actions, &settings.attributes, argv, environ);
  [[maybe_unused]] ssize_t written = write(report, &error, sizeof error);
  _exit(0);
}

// The report of the child in between; a child that died without one
// failed.
int readReport(int report) {
  int error = 0;
  ssize_t got;
  while ((got = read(report, &error, sizeof error)) < 0 && errno == EINTR) {
  }
  return got == static_cast<ssize_t>(sizeof error) ? error : EIO;
}

void reap(pid_t child) {
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

// The fork, the report and the reaping; the settings are made already.
int startThroughChild(std::vector<char*>& argv, const SpawnSettings& settings) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return errno;
  pid_t child = fork();
  if (child == 0) startAndReport(argv.data(), settings, report[1]);
  int forkError = errno;
  close(report[1]);
  int error = child < 0 ? forkError : readReport(report[0]);
  close(report[0]);
  if (child > 0) reap(child);
  return error;
}

}  // namespace

bool startDetached(const std::vector<std::string>& argv) {
  assert(!argv.empty() && !argv[0].empty());
  std::vector<char*> pointers;
  for (const std::string& word : argv) pointers.push_back(const_cast<char*>(word.c_str()));
  pointers.push_back(nullptr);
  SpawnSettings settings;
  bool prepared = prepare(settings);
  int error = prepared ? startThroughChild(pointers, settings) : EINVAL;
  release(settings);
  return error == 0;
}
