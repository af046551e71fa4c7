// One keystroke through the real dialog: the term field's change refills its
// word list and rebuilds the results list.
#include <benchmark/benchmark.h>

#include <string>

#include "dialog/search_dialog.h"
#include "dialog_driver.h"
#include "platform/seam/backend.h"
#include "platform/seam/user_actions.h"
#include "platform/seam/model_readers.h"

HWND benchDialog = nullptr;

namespace {

// What the other two term fields and the distance field hold while the term
// of slot 0 is typed.
struct Keystroke {
  const char* name;
  const char* term;
  const char* otherTerms[2];
  const char* pageDistance;
};

// A typical word; a single letter, which stops at the limit; a third term
// beside two terms with pages all over the book; and a substring term that
// walks the whole index beside them.
const Keystroke keystrokes[] = {
    {"keystroke/motor", "motor", {"", ""}, "1"},
    {"keystroke/k", "k", {"", ""}, "1"},
    {"keystroke/is+al+um", "um", {"is", "al"}, "99"},
    {"keystroke/*motor+is+al", "*motor", {"is", "al"}, "99"},
};

void keystroke(benchmark::State& state, const Keystroke& k) {
  HWND dialog = benchDialog;
  typeInto(dialog, firstTermFieldId + 1, k.otherTerms[0]);
  typeInto(dialog, firstTermFieldId + 2, k.otherTerms[1]);
  typeInto(dialog, distanceFieldId, k.pageDistance);
  for (auto _ : state) {
    typeInto(dialog, firstTermFieldId, k.term);
  }
  state.counters["words"] = listLineCount(GetDlgItem(dialog, firstWordListId));
  state.counters["rows"] = listLineCount(GetDlgItem(dialog, resultsListId));
  typeInto(dialog, firstTermFieldId, "");
}

}  // namespace

void registerKeystrokeBenchmarks() {
  for (const Keystroke& k : keystrokes) benchmark::RegisterBenchmark(k.name, keystroke, k);
}
