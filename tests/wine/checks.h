// A small check harness for the test programs that run under Wine, where
// GoogleTest is not at hand: each failed check prints where and what, and
// the program ends with the count of checks and the exit status.
#pragma once

#include <cstdio>
#include <string>

struct CheckCounts {
  int passed = 0;
  int failed = 0;
};

inline CheckCounts checkCounts;

// Records one check; on failure prints what was checked and on what.
inline bool check(bool holds, const char* what, const std::string& about, const char* file, int line) {
  if (holds) {
    ++checkCounts.passed;
    return true;
  }
  ++checkCounts.failed;
  std::printf("%s:%d: failed: %s [%s]\n", file, line, what, about.c_str());
  std::fflush(stdout);
  return false;
}

#define CHECK(condition, about) check((condition), #condition, (about), __FILE__, __LINE__)

// The closing line, and the exit status: 0 only when checks ran and none
// failed.
inline int checkSummary(const char* program) {
  std::printf("%s: %d passed, %d failed\n", program, checkCounts.passed, checkCounts.failed);
  std::fflush(stdout);
  return checkCounts.failed == 0 && checkCounts.passed > 0 ? 0 : 1;
}
