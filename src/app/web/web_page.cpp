// The page's program: the built-in book's dialog, open as soon as the page
// is, and window.quirelScript (script/web/web_script.js), which runs a
// dialog script on a fresh dialog through the page's own controls and gives
// back what quirel-script prints and returns for it.
#include <emscripten.h>

#include <cstring>

#include "app/load_index_data.h"
#include "book/open_book.h"
#include "dialog/search_dialog.h"
#include "platform/seam/modal_steps.h"
#include "platform/web/web_page.h"
#include "script/script_run.h"
#include "script/web/web_script_io.h"
#include "search/search_state.h"
#include "viewer/web/web_viewer.h"

namespace {

HWND openDialog = nullptr;
INT_PTR lastResult = 0;

// A double-click on a result row opens the book's PDF, the page's neighbour,
// in a new tab at the row's page with its word to find; what the reader is told about it comes in the page, or, for
// a script, on its standard error, as quirel-script tells it.
void tellInPage(HWND dialog, const char* text) { MessageBoxA(dialog, text, programName, MB_OK | MB_ICONWARNING); }

bool scripted = false;

void openBook(HWND dialog, int printedPage, const char* word) {
  openBookAtPrintedPage(carriedBook(), printedPage, word, dialog, scripted ? tellOnScriptErrors : tellInPage);
}

const SearchDialogServices pageServices = {openBook};

void finishDialog(HWND dialog) {
  lastResult = finishModalDialog(dialog);
  openDialog = nullptr;
}

// Each dialog is a fresh start of the program: no slot remembers a term.
void beginDialog() {
  std::memset(searchState.hitCount, 0, sizeof searchState.hitCount);
  std::memset(searchState.termPages, 0, sizeof searchState.termPages);
  openDialog = beginModalDialog(MAKEINTRESOURCEA(searchDialogId), searchDialogProc,
                                reinterpret_cast<LPARAM>(&pageServices));
  settlePage();
}

void endOpenDialog() {
  if (openDialog == nullptr) return;
  if (!modalDialogEnded(openDialog)) EndDialog(openDialog, 0);
  finishDialog(openDialog);
}

// The built-in book, or its refusal said in the page as the program says it.
void openBookDialog() {
  DataSetFault fault{};
  if (!loadIndexData(GetModuleHandleA(nullptr), &fault)) {
    char text[refusalTextSize];
    formatRefusal(fault, nullptr, text, sizeof text);
    MessageBoxA(nullptr, text, programName, MB_OK | MB_ICONERROR);
    return;
  }
  beginDialog();
}

// The script on a fresh dialog, ended as quirel-script ends it.
int runPageScript(const PageDataSet& index, const PageDataSet& headings) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  if (!installScriptDataSets(givenByPage(index), givenByPage(headings),
                             findEmbeddedDataSet(module, wordIndexResourceId),
                             findEmbeddedDataSet(module, headingTableResourceId))) {
    return 1;
  }
  beginDialog();
  ScriptStep last = runScript(openDialog, pageSurface);
  endOpenDialog();
  return finishScript(last, lastResult);
}

}  // namespace

// One script on a fresh dialog; the page's own dialog on the built-in book
// comes back afterwards. Gives quirel-script's exit status.
extern "C" EMSCRIPTEN_KEEPALIVE int quirelRunScript(const char* script, int size, const PageDataSet* index,
                                                    const PageDataSet* headings) {
  endOpenDialog();
  startPageScript(script, size);
  // A script's open is printed, as quirel-script prints it; no tab opens.
  scripted = true;
  setViewerRecordsOnly(true);
  int status = runPageScript(*index, *headings);
  scripted = false;
  setViewerRecordsOnly(false);
  openBookDialog();
  return status;
}

int main() {
  // The element of the page's shell (page_shell.html).
  showDialogsIn("quirel");
  setDialogEndedHandler(finishDialog);
  openBookDialog();
  return 0;
}
