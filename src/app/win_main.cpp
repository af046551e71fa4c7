// The program entry: the data sets, then the dialog until it is closed.
#include "dialog/search_dialog.h"
#include "app/load_index_data.h"
#include "book/open_book.h"

namespace {

void tellInMessageBox(HWND dialog, const char* text) {
  MessageBoxA(dialog, text, programName, MB_OK | MB_ICONWARNING);
}

void openBookFromWindow(HWND dialog, int printedPage, const char* word) {
  openBookAtPrintedPage(carriedBook(), printedPage, word, dialog, tellInMessageBox);
}

const SearchDialogServices windowServices = {openBookFromWindow};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Without its data the dialog would only show empty lists: say so instead,
  // with the rule and the byte that made the data set unusable.
  DataSetFault fault{};
  if (!loadIndexData(instance, &fault)) {
    char text[refusalTextSize];
    formatRefusal(fault, nullptr, text, sizeof text);
    MessageBoxA(nullptr, text, programName, MB_OK | MB_ICONERROR);
    return 1;
  }
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(searchDialogId), nullptr,
                                   searchDialogProc, reinterpret_cast<LPARAM>(&windowServices));
  return static_cast<int>(result);
}
