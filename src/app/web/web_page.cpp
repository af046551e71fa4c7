// The page's program: the built-in book's dialog, open as soon as the page
// is, and window.quirelScript (web_script.js), which runs a dialog script on
// a fresh dialog through the page's own controls and gives back what
// quirel-script prints and returns for it. A data set given to a script is
// checked and refused as quirel-script refuses a file.
#include <emscripten.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/load_index_data.h"
#include "app/open_book.h"
#include "app/script_commands.h"
#include "app/script_io.h"
#include "app/web/web_script_io.h"
#include "dialog/search_dialog.h"
#include "platform/seam/modal_steps.h"
#include "platform/web/web_page.h"
#include "platform/win32/cp1252.h"
#include "search/search_state.h"

namespace {

HWND openDialog = nullptr;
INT_PTR lastResult = 0;

// A double-click on a result row opens the book's PDF, the page's neighbour,
// in a new tab; what the reader is told about it comes in the page, or, for
// a script, on its standard error, as quirel-script tells it.
void tellInPage(HWND dialog, const char* text) { MessageBoxA(dialog, text, programName, MB_OK | MB_ICONWARNING); }
void tellOnScriptErrors(HWND, const char* text) { writeError(cp1252ToUtf8(text) + "\n"); }

bool scripted = false;

void openBook(HWND dialog, int printedPage) {
  openBookAtPrintedPage(dialog, printedPage, scripted ? tellOnScriptErrors : tellInPage);
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

// Clicks and readings go through the page's elements, not the messages.
void clickPageLine(HWND dialog, int listId, int index) { clickShownLine(GetDlgItem(dialog, listId), index); }

void doubleClickPageLine(HWND dialog, int listId, int index) {
  doubleClickShownLine(GetDlgItem(dialog, listId), index);
}

constexpr ScriptSurface pageSurface = {
    clickPageLine, doubleClickPageLine, shownFieldText, shownLineCount, shownSelection, shownLine,
};

// A data set as the page's script hands it over: its bytes, the name it is
// reported by, and why it could not be read (empty when it could); no bytes
// at all for the built-in one.
struct GivenDataSet {
  const unsigned char* bytes;
  int size;
  const char* name;
  const char* unreadable;
};

std::vector<unsigned char> givenIndex;
std::vector<unsigned char> givenHeadings;

bool takeDataSet(const GivenDataSet& given, int resourceId, std::vector<unsigned char>& kept) {
  if (given.name == nullptr) {
    EmbeddedDataSet embedded = findEmbeddedDataSet(GetModuleHandleA(nullptr), resourceId);
    kept.assign(embedded.bytes, embedded.bytes + embedded.size);
    return true;
  }
  if (given.unreadable != nullptr && given.unreadable[0] != '\0') {
    writeError(cp1252ToUtf8(unreadableFileMessage) + " " + given.name + ": " + given.unreadable + "\n");
    return false;
  }
  kept.assign(given.bytes, given.bytes + given.size);
  return true;
}

bool accepted(bool checked, const char* name, const DataSetFault& fault) {
  if (checked) return true;
  char text[refusalTextSize];
  formatRefusal(fault, name, text, sizeof text);
  writeError(cp1252ToUtf8(text) + "\n");
  return false;
}

// 0 when the data sets are installed, 1 when one is refused.
int installGiven(const GivenDataSet& index, const GivenDataSet& headings) {
  if (index.name == nullptr && headings.name == nullptr) {
    DataSetFault fault{};
    return accepted(loadIndexData(GetModuleHandleA(nullptr), &fault), nullptr, fault) ? 0 : 1;
  }
  if (!takeDataSet(index, wordIndexResourceId, givenIndex) ||
      !takeDataSet(headings, headingTableResourceId, givenHeadings)) {
    return 1;
  }
  DataSetFault fault{};
  auto size = [](const std::vector<unsigned char>& bytes) { return static_cast<uint32_t>(bytes.size()); };
  if (!accepted(checkWordIndex(givenIndex.data(), size(givenIndex), &fault), index.name, fault) ||
      !accepted(checkHeadingTable(givenHeadings.data(), size(givenHeadings), &fault), headings.name, fault)) {
    return 1;
  }
  installDataSets(givenIndex.data(), size(givenIndex), givenHeadings.data(), size(givenHeadings), &fault);
  return 0;
}

// The script's lines as quirel-script reads them from standard input.
std::vector<std::string> scriptLines(const char* script, int size) {
  std::vector<std::string> lines;
  std::string line;
  for (int i = 0; i < size; ++i) {
    if (script[i] != '\n') {
      line += script[i];
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    line.clear();
  }
  if (size > 0 && script[size - 1] != '\n') {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int runLines(const std::vector<std::string>& lines) {
  ScriptStep step = ScriptStep::next;
  for (std::size_t i = 0; i < lines.size() && step == ScriptStep::next; ++i) {
    step = runScriptLine(openDialog, lines[i], pageSurface);
    settlePage();
  }
  endOpenDialog();
  if (step == ScriptStep::failed) return 2;
  if (step == ScriptStep::closed) writeOutput("exit " + std::to_string(lastResult) + "\n");
  return 0;
}

}  // namespace

// One script on a fresh dialog; the page's own dialog on the built-in book
// comes back afterwards. Gives quirel-script's exit status.
extern "C" EMSCRIPTEN_KEEPALIVE int quirelRunScript(const char* script, int size, GivenDataSet* index,
                                                    GivenDataSet* headings) {
  endOpenDialog();
  clearScriptOutput();
  // A script's open is printed, as quirel-script prints it; no tab opens.
  scripted = true;
  setViewerRecordsOnly(true);
  int status = installGiven(*index, *headings);
  if (status == 0) {
    beginDialog();
    status = runLines(scriptLines(script, size));
  }
  scripted = false;
  setViewerRecordsOnly(false);
  openBookDialog();
  return status;
}

int main() {
  setDialogEndedHandler(finishDialog);
  openBookDialog();
  return 0;
}
