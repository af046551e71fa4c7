// What a backend reads from the models to draw them.
#include "platform/seam/backend.h"
#include "platform/seam/model_readers.h"
#include "platform/models/window.h"

WindowKind windowKind(HWND window) { return windowRecord(window).kind; }
int windowId(HWND window) { return windowRecord(window).id; }
uint32_t windowStyle(HWND window) { return windowRecord(window).style; }

void windowRect(HWND window, int16_t* x, int16_t* y, int16_t* cx, int16_t* cy) {
  *x = windowRecord(window).x;
  *y = windowRecord(window).y;
  *cx = windowRecord(window).cx;
  *cy = windowRecord(window).cy;
}

const char* windowText(HWND window) {
  switch (windowRecord(window).kind) {
    case WindowKind::dialog: return dialogState(window).caption.c_str();
    case WindowKind::edit: return editState(window).text.c_str();
    case WindowKind::label: return labelState(window).text.c_str();
    case WindowKind::listBox: break;
  }
  return "";
}

int dialogControlCount(HWND dialog) {
  return static_cast<int>(dialogState(dialog).controls.size());
}

HWND dialogControl(HWND dialog, int index) {
  return dialogState(dialog).controls[static_cast<std::size_t>(index)];
}

int listLineCount(HWND list) { return static_cast<int>(listBoxState(list).starts.size()); }

const char* listLine(HWND list, int index) {
  const ListBoxState& state = listBoxState(list);
  return state.text.data() + state.starts[static_cast<std::size_t>(index)];
}

int listSelection(HWND list) { return listBoxState(list).selected; }
int listHorizontalExtent(HWND list) { return listBoxState(list).horizontalExtent; }
int listTabStopCount(HWND list) { return static_cast<int>(listBoxState(list).tabStops.size()); }
const int* listTabStops(HWND list) { return listBoxState(list).tabStops.data(); }
