#include "platform/models/edit_control.h"

#include <algorithm>
#include <cctype>

#include "platform/models/window.h"

namespace {

// A border pixel and two pixels of margin on each side of the text.
constexpr int edgePixels = 6;

LRESULT setText(HWND edit, LPARAM text) {
  // Quirk: the field copies the text first and only then reports the change,
  // so the dialog may reuse the buffer the text came from while it handles
  // EN_CHANGE. A single-line field reports even when the text is the same.
  editState(edit).text = text != 0 ? reinterpret_cast<const char*>(text) : "";
  reportChange(edit, ControlChange::text);
  notifyParent(edit, EN_CHANGE);
  return TRUE;
}

int innerWidth(HWND edit) {
  return horizontalPixels(windowRecord(edit).cx) - edgePixels;
}

bool fitsWidth(HWND edit, const std::string& text) {
  SIZE size{};
  if (!activeBackend().measureText(edit, text.data(), static_cast<int>(text.size()), &size)) {
    return true;
  }
  return size.cx <= innerWidth(edit);
}

bool onlyDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

LRESULT editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: return setText(edit, lParam);
    case WM_GETTEXT: return copyTextOut(editState(edit).text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(editState(edit).text.size());
    default: return 0;
  }
}

bool editTakesInput(HWND edit, int start, int end, const char* text, EditInput input) {
  const std::string& old = editState(edit).text;
  int size = static_cast<int>(old.size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  std::string inserted = text != nullptr ? text : "";
  // A single-line field takes a pasted text up to its first line break.
  if (input == EditInput::pasting) inserted = inserted.substr(0, inserted.find_first_of("\r\n"));
  // ES_NUMBER filters the keyboard only; a paste passes unchecked.
  if (input == EditInput::typing && (windowRecord(edit).style & ES_NUMBER) != 0 && !onlyDigits(inserted)) {
    return false;
  }
  std::string head = old.substr(0, static_cast<std::size_t>(start));
  std::string tail = old.substr(static_cast<std::size_t>(end));
  // Without ES_AUTOHSCROLL the field never scrolls: it keeps as much of the
  // new text as fits its width and drops the rest.
  if ((windowRecord(edit).style & ES_AUTOHSCROLL) == 0) {
    while (!inserted.empty() && !fitsWidth(edit, head + inserted + tail)) inserted.pop_back();
  }
  if (inserted.empty() && start == end) return false;
  editState(edit).text = head + inserted + tail;
  reportChange(edit, ControlChange::text);
  notifyParent(edit, EN_CHANGE);
  return true;
}
