// quirel-open-close: opens and closes the real search dialog 10,000 times in
// one process, typing a few terms in each, and prints the resident memory
// before and after. Nothing a dialog made may outlive it, so the two figures
// stay close.
#include <cstdio>
#include <cstring>

#include "dialog/search_dialog.h"
#include "dialog_driver.h"
#include "app/load_index_data.h"

namespace {

constexpr int dialogs = 10000;

// VmRSS from /proc/self/status, in kB; -1 where it cannot be read.
long residentKilobytes() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long kilobytes = -1;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmRSS:", 6) == 0) std::sscanf(line + 6, "%ld", &kilobytes);
  }
  std::fclose(status);
  return kilobytes;
}

void typeSomeTerms(HWND dialog) {
  typeInto(dialog, firstTermFieldId, "motor");
  typeInto(dialog, firstTermFieldId + 1, "*welle");
  typeInto(dialog, firstTermFieldId + 2, "sch");
  typeInto(dialog, distanceFieldId, "5");
}

}  // namespace

int main() {
  if (!loadIndexData(GetModuleHandleA(nullptr))) {
    std::fprintf(stderr, "quirel-open-close: the built-in book was refused\n");
    return 1;
  }
  runInsideSearchDialog(typeSomeTerms);
  long before = residentKilobytes();
  for (int i = 1; i < dialogs; ++i) runInsideSearchDialog(typeSomeTerms);
  long after = residentKilobytes();
  std::printf("dialogs %d  resident after the first %ld kB  after all %ld kB  growth %ld kB\n", dialogs,
              before, after, after - before);
  return 0;
}
