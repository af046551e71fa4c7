// quirel-bench: every benchmark runs inside the real dialog's modal loop, on
// the book the executable carries.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "dialog_driver.h"
#include "app/load_index_data.h"

extern HWND benchDialog;
void registerCoreBenchmarks();
void registerPeerBenchmarks();
void registerKeystrokeBenchmarks();

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  if (!loadIndexData(GetModuleHandleA(nullptr))) {
    std::fprintf(stderr, "quirel-bench: the built-in book was refused\n");
    return 1;
  }
  registerCoreBenchmarks();
  registerPeerBenchmarks();
  registerKeystrokeBenchmarks();
  INT_PTR result = runInsideSearchDialog([](HWND dialog) {
    benchDialog = dialog;
    benchmark::RunSpecifiedBenchmarks();
  });
  benchmark::Shutdown();
  return result == 0 ? 0 : 1;
}
