// Times keystrokes in the real dialog of a running quirel.exe, from outside,
// as a user's typing arrives: the first term field's text is set
// (WM_SETTEXT, which the field reports as a change at once) and the dialog
// with all its controls is painted (RedrawWindow, RDW_UPDATENOW and
// RDW_ALLCHILDREN) before the clock stops. Alternates a term whose word
// list fills 101 lines with one that finds nothing, ROUNDS times each, and
// prints both medians in milliseconds and their difference.
// Usage (under Wine, with quirel.exe running): wine-keystroke-timer.exe [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

BOOL CALLBACK takeQuirel(HWND window, LPARAM found) {
  char caption[16] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (std::strncmp(caption, "Quirel", 6) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND findDialog() {
  HWND dialog = nullptr;
  for (int tries = 0; tries < 1000 && dialog == nullptr; ++tries) {
    EnumWindows(takeQuirel, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) Sleep(10);
  }
  return dialog;
}

double keystroke(HWND dialog, HWND field, const char* term) {
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(term));
  RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
  HWND dialog = findDialog();
  HWND field = dialog != nullptr ? GetDlgItem(dialog, 1002) : nullptr;
  if (field == nullptr) {
    std::fprintf(stderr, "no Quirel dialog found\n");
    return 1;
  }
  std::vector<double> full, empty;
  for (int round = 0; round < rounds; ++round) {
    full.push_back(keystroke(dialog, field, "spindel"));
    empty.push_back(keystroke(dialog, field, "xqzy"));
  }
  double fullMedian = median(full), emptyMedian = median(empty);
  std::printf("101 lines: %.1f ms, nothing found: %.1f ms, difference %.1f ms (medians of %d)\n", fullMedian,
              emptyMedian, fullMedian - emptyMedian, rounds);
  return 0;
}
