// quirel-script: runs the real search dialog and replays a user's actions
// read from standard input (see script_commands.h). Written against Win32
// alone, so that it builds for Windows as well as on our own layer.
//
//   quirel-script [--index FILE] [--headings FILE] < script
//
// Exit status: 0 after the script, 1 when a data set is refused, 2 for a
// script or usage error.
#include <cstring>
#include <string>
#include <vector>

#include "search/search_state.h"
#include "app/script_commands.h"
#include "app/script_io.h"
#include "dialog/search_dialog.h"
#include "app/dialog_session.h"
#include "app/load_index_data.h"
#include "app/open_book.h"
#include "platform/win32/cp1252.h"

namespace {

ScriptStep lastStep = ScriptStep::next;

// What would be a message box goes to standard error, in UTF-8.
void tellOnStandardError(HWND, const char* text) { writeError(cp1252ToUtf8(text) + "\n"); }

void openBookFromScript(HWND dialog, int printedPage) {
  openBookAtPrintedPage(dialog, printedPage, tellOnStandardError);
}

const SearchDialogServices scriptServices = {openBookFromScript};

void runScript(HWND dialog, void*) {
  std::string line;
  lastStep = ScriptStep::next;
  while (lastStep == ScriptStep::next && readScriptLine(line)) {
    lastStep = runScriptLine(dialog, line);
  }
  // The close command has ended the dialog already; otherwise the script
  // ends it here.
  if (lastStep != ScriptStep::closed) EndDialog(dialog, 0);
}

void reportRefusal(const DataSetFault& fault, const char* path) {
  char text[refusalTextSize];
  formatRefusal(fault, path, text, sizeof text);
  writeError(cp1252ToUtf8(text) + "\n");
}

struct Options {
  const char* index = nullptr;
  const char* headings = nullptr;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) return false;
    if (std::strcmp(argv[i], "--index") == 0) {
      options.index = argv[i + 1];
    } else if (std::strcmp(argv[i], "--headings") == 0) {
      options.headings = argv[i + 1];
    } else {
      return false;
    }
  }
  return true;
}

struct DataSet {
  std::vector<unsigned char> bytes;
  const unsigned char* start = nullptr;
  uint32_t size = 0;
};

// A file given by option, or else the built-in resource; the bytes live
// until the process ends.
bool findDataSet(const char* path, int resourceId, DataSet& dataSet) {
  if (path != nullptr) {
    std::string reason;
    if (!readDataFile(path, dataSet.bytes, reason)) {
      writeError(cp1252ToUtf8(unreadableFileMessage) + " " + path + ": " + reason + "\n");
      return false;
    }
    dataSet.start = dataSet.bytes.data();
    dataSet.size = static_cast<uint32_t>(dataSet.bytes.size());
    return true;
  }
  EmbeddedDataSet embedded = findEmbeddedDataSet(GetModuleHandleA(nullptr), resourceId);
  dataSet.start = embedded.bytes;  // a missing one is refused by the check below
  dataSet.size = embedded.size;
  return true;
}

// A refused data set is reported as the program reports it, with the file
// it came from in place of the built-in data set's name.
bool checked(bool accepted, const char* path, const DataSetFault& fault) {
  if (accepted) return true;
  reportRefusal(fault, path);
  return false;
}

int loadDataSets(const Options& options) {
  if (options.index == nullptr && options.headings == nullptr) {
    DataSetFault fault{};
    if (loadIndexData(GetModuleHandleA(nullptr), &fault)) return 0;
    reportRefusal(fault, nullptr);
    return 1;
  }
  static DataSet index;
  static DataSet headings;
  if (!findDataSet(options.index, wordIndexResourceId, index) ||
      !findDataSet(options.headings, headingTableResourceId, headings)) {
    return 1;
  }
  DataSetFault fault{};
  if (!checked(checkWordIndex(index.start, index.size, &fault), options.index, fault) ||
      !checked(checkHeadingTable(headings.start, headings.size, &fault), options.headings, fault)) {
    return 1;
  }
  installDataSets(index.start, index.size, headings.start, headings.size, &fault);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    writeError("usage: quirel-script [--index FILE] [--headings FILE] < script\n");
    return 2;
  }
  if (int status = loadDataSets(options); status != 0) return status;
  INT_PTR result = runDialogSession(runScript, nullptr, searchDialogProc, &scriptServices);
  if (result == -1 && lastStep == ScriptStep::next) {
    writeError("error: the dialog cannot be created\n");
    return 1;
  }
  if (lastStep == ScriptStep::failed) return 2;
  if (lastStep == ScriptStep::closed) writeOutput("exit " + std::to_string(result) + "\n");
  return 0;
}
