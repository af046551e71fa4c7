// Random sequences of dialog-script commands (one a line: term, pick,
// distance, open, show, close, or anything else) carried out on the real search
// dialog over the built-in book, in this process on the headless backend.
//
// After every command the whole dialog must show what a plain reading of the
// rules gives for the texts its fields hold: each word list from its own
// term, the results list from the three terms and the distance; and a
// double-clicked row must ask for its page with the word the same reading
// finds there. So a change of one slot that disturbed another slot's list or
// count is a finding, as is every crash and every read or write outside a
// buffer.
#include <cstdio>
#include <cstring>
#include <string>

#include "script/dialog_session.h"
#include "script/script_commands.h"
#include "script/script_data_sets.h"
#include "dialog/search_dialog.h"
#include "dialog_model.h"
#include "fuzz_input.h"
#include "app/load_index_data.h"
#include "search/search_state.h"

namespace {

// Enough for every slot to change a few times and pick; more only slows.
constexpr size_t maxLines = 16;

ModelBook book;
const std::vector<std::string>* currentLines = nullptr;
bool closedByScript = false;

// The page and word the last double-click asked for; page 0: none since.
int openedPage = 0;
std::string openedWord;
void recordOpening(HWND, int printedPage, const char* word) { openedPage = printedPage, openedWord = word; }
const SearchDialogServices recordingServices = {recordOpening};

void expectOpenedWord(const ShownDialog& shown) {
  if (openedPage == 0) return;
  FUZZ_EXPECT(openedWord == modelWordOnPage(book, shown.terms, openedPage));
  openedPage = 0;
}

void expectModel(HWND dialog) {
  ShownDialog shown = readShownDialog(dialog);
  expectOpenedWord(shown);
  ShownDialog expected = modelDialog(book, shown.terms, shown.distanceText);
  // A result row stands selected where the user's double-click left it; the
  // dialog's own selection is that of a message line.
  const ShownList& results = shown.results;
  bool rowChosen = results.selection >= 0 && results.selection < static_cast<int>(results.lines.size()) &&
                   results.lines[static_cast<std::size_t>(results.selection)][0] != '[';
  if (rowChosen && expected.results.selection == -1) expected.results.selection = results.selection;
  std::string difference = dialogDifference(shown, expected);
  if (!difference.empty()) std::fprintf(stderr, "%s", difference.c_str());
  FUZZ_EXPECT(difference.empty());
}

void runLines(HWND dialog, void*) {
  expectModel(dialog);
  for (const std::string& line : *currentLines) {
    ScriptStep step = runScriptLine(dialog, line);
    if (step == ScriptStep::closed) {
      closedByScript = true;
      return;
    }
    if (step == ScriptStep::failed) return;
    expectModel(dialog);
  }
}

std::vector<std::string> linesOf(const uint8_t* data, size_t size) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < size && lines.size() < maxLines) {
    const void* end = std::memchr(data + at, '\n', size - at);
    size_t stop = end == nullptr ? size : static_cast<size_t>(static_cast<const uint8_t*>(end) - data);
    lines.emplace_back(reinterpret_cast<const char*>(data + at), stop - at);
    at = stop + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The data sets as the script driver installs them, carried ones.
  HINSTANCE module = GetModuleHandleA(nullptr);
  std::string reason;
  if (!installScriptDataSets({}, {}, findEmbeddedDataSet(module, wordIndexResourceId),
                             findEmbeddedDataSet(module, headingTableResourceId)) ||
      !modelBookOfSearchState(book, reason)) {
    std::fprintf(stderr, "the built-in book is refused %s\n", reason.c_str());
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = linesOf(data, size);
  // Each input is a fresh start of the program: no slot remembers a term.
  std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
  std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  currentLines = &lines;
  closedByScript = false;
  INT_PTR result = runDialogSession(searchDialogId, runLines, nullptr, searchDialogProc, &recordingServices);
  // Closed by its close command the dialog ends with 0; left open, it gives
  // up with -1 once no user is left.
  FUZZ_EXPECT(result == (closedByScript ? 0 : -1));
  currentLines = nullptr;
  return 0;
}
