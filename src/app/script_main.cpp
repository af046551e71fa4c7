// quirel-script: runs the real search dialog and replays a user's actions
// read from standard input (script/script_commands.h). Written against Win32
// alone, so that it builds for Windows as well as on our own layer.
//
//   quirel-script [--index FILE] [--headings FILE] < script
//   quirel-script --help | --version
//
// Exit status: 0 after the script, 1 when a data set is refused, 2 for a
// script or usage error.
#include <cstring>
#include <string>

#include "app/load_index_data.h"
#include "app/program_options.h"
#include "book/open_book.h"
#include "dialog/search_dialog.h"
#include "script/dialog_session.h"
#include "script/script_data_sets.h"
#include "script/script_io.h"
#include "script/script_run.h"

namespace {

ScriptStep lastStep = ScriptStep::next;

void openBookFromScript(HWND dialog, int printedPage, const char* word) {
  openBookAtPrintedPage(carriedBook(), printedPage, word, dialog, tellOnScriptErrors);
}

const SearchDialogServices scriptServices = {openBookFromScript};

// The close command has ended the dialog already; otherwise the script ends
// it here.
void runScriptToItsEnd(HWND dialog, void*) {
  lastStep = runScript(dialog);
  if (lastStep != ScriptStep::closed) EndDialog(dialog, 0);
}

const char scriptUsage[] = "[--index FILE] [--headings FILE] < SCRIPT";

const ProgramAbout scriptProgram = {
    installedScriptName, scriptUsage,
    "Runs the search dialog without a window and replays a user's actions read from standard input, one\n"
    "command a line: term N TEXT, pick N K, distance TEXT, open K, show, close. 'open K' double-clicks\n"
    "result row K and prints the PDF, its page and the word to find there, starting no viewer.\n"
    "\n"
    "  --index FILE     search this word index instead of the built-in one\n"
    "  --headings FILE  with this heading table\n"
    "  --help           show this help and exit\n"
    "  --version        show the version, the book and the licence, and exit\n"
    "\n"
    "Exit status: 0 after the script, 1 when a data set is refused, 2 for a script or usage error.\n"};

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
  if (answerHelpOrVersion(scriptProgram, argc, argv) == 0) return 0;
  Options options;
  if (!parseOptions(argc, argv, options)) {
    writeError(std::string("usage: ") + installedScriptName + " " + scriptUsage + "\n");
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
