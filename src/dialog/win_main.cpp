// The program entry: the data sets, then the dialog until it is closed.
#include "dialog/search_dialog.h"
#include "index/load_index_data.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Without its data the dialog would only show empty lists: say so instead.
  if (!loadIndexData(instance)) {
    MessageBoxA(nullptr, damagedDataMessage, programName, MB_OK | MB_ICONERROR);
    return 1;
  }
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(searchDialogId),
                                   nullptr, searchDialogProc, 0);
  return static_cast<int>(result);
}
