// quirel-script: runs the real search dialog and replays a user's actions
// read from standard input (script/script_commands.h). Written against Win32
// alone, so that it builds for Windows as well as on our own layer.
//
//   quirel-script [--index FILE] [--headings FILE] < script
//
// Exit status: 0 after the script, 1 when a data set is refused, 2 for a
// script or usage error.
#include <cstring>

#include "app/load_index_data.h"
#include "book/open_book.h"
#include "dialog/search_dialog.h"
#include "script/dialog_session.h"
#include "script/script_data_sets.h"
#include "script/script_io.h"
#include "script/script_run.h"

namespace {

ScriptStep lastStep = ScriptStep::next;

void openBookFromScript(HWND dialog, int printedPage) {
  openBookAtPrintedPage(carriedBook(), printedPage, dialog, tellOnScriptErrors);
}

const SearchDialogServices scriptServices = {openBookFromScript};

// The close command has ended the dialog already; otherwise the script ends
// it here.
void runScriptToItsEnd(HWND dialog, void*) {
  lastStep = runScript(dialog);
  if (lastStep != ScriptStep::closed) EndDialog(dialog, 0);
}

struct Options {
  GivenDataSet index;
  GivenDataSet headings;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) return false;
    if (std::strcmp(argv[i], "--index") == 0) {
      options.index = dataSetFromFile(argv[i + 1]);
    } else if (std::strcmp(argv[i], "--headings") == 0) {
      options.headings = dataSetFromFile(argv[i + 1]);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    writeError("usage: quirel-script [--index FILE] [--headings FILE] < script\n");
    return 2;
  }
  HINSTANCE module = GetModuleHandleA(nullptr);
  if (!installScriptDataSets(options.index, options.headings, findEmbeddedDataSet(module, wordIndexResourceId),
                             findEmbeddedDataSet(module, headingTableResourceId))) {
    return 1;
  }
  INT_PTR result = runDialogSession(searchDialogId, runScriptToItsEnd, nullptr, searchDialogProc, &scriptServices);
  return finishScript(lastStep, result);
}
