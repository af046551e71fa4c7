#include "platform/models/window.h"

#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

#include "platform/win32/win32_api.h"

namespace {

std::vector<std::unique_ptr<HWND__>>& allWindows() {
  static std::vector<std::unique_ptr<HWND__>> windows;
  return windows;
}

std::unordered_set<HWND>& knownHandles() {
  static std::unordered_set<HWND> handles;
  return handles;
}

decltype(HWND__::state) emptyState(WindowKind kind) {
  switch (kind) {
    case WindowKind::dialog: return DialogState{};
    case WindowKind::edit: return EditState{};
    case WindowKind::listBox: return ListBoxState{};
    case WindowKind::label: break;
  }
  return LabelState{};
}

}  // namespace

HWND createWindow(WindowKind kind, HWND parent, int id, uint32_t style,
                  int16_t x, int16_t y, int16_t cx, int16_t cy) {
  auto record = std::make_unique<HWND__>(
      HWND__{kind, id, style, x, y, cx, cy, parent, true, emptyState(kind)});
  HWND window = record.get();
  allWindows().push_back(std::move(record));
  knownHandles().insert(window);
  return window;
}

void destroyWindow(HWND window) {
  if (!isLiveWindow(window)) return;
  if (window->kind == WindowKind::dialog) {
    for (HWND control : dialogState(window).controls) destroyWindow(control);
  }
  window->alive = false;
  window->state = emptyState(window->kind);
}

bool isLiveWindow(HWND window) {
  return window != nullptr && knownHandles().count(window) != 0 && window->alive;
}

DialogState& dialogState(HWND dialog) { return std::get<DialogState>(dialog->state); }
EditState& editState(HWND edit) { return std::get<EditState>(edit->state); }
ListBoxState& listBoxState(HWND list) { return std::get<ListBoxState>(list->state); }
LabelState& labelState(HWND label) { return std::get<LabelState>(label->state); }

void notifyParent(HWND control, WORD code) {
  SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT copyTextOut(const std::string& text, WPARAM size, LPARAM buffer) {
  if (size == 0 || buffer == 0) return 0;
  std::size_t count = text.size() < size - 1 ? text.size() : size - 1;
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

BOOL IsWindow(HWND window) { return isLiveWindow(window) ? TRUE : FALSE; }
