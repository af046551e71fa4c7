#include "platform/models/list_box.h"

#include <cstring>

#include "platform/models/window.h"

namespace {

bool isLine(const ListBoxState& list, int index) {
  return index >= 0 && index < static_cast<int>(list.starts.size());
}

const char* lineAt(const ListBoxState& list, int index) {
  return list.text.data() + list.starts[static_cast<std::size_t>(index)];
}

// The line's text goes to the end of the storage, whatever its place.
uint32_t storeLine(ListBoxState& list, const char* line) {
  auto start = static_cast<uint32_t>(list.text.size());
  list.text.insert(list.text.end(), line, line + std::strlen(line) + 1);
  return start;
}

const char* textOf(LPARAM text) { return text != 0 ? reinterpret_cast<const char*>(text) : ""; }


LRESULT addLine(HWND list, LPARAM text) {
  // This layer's lists never sort, LBS_SORT or not: a line goes to the end.
  ListBoxState& state = listBoxState(list);
  state.starts.push_back(storeLine(state, textOf(text)));
  reportChange(list, ControlChange::lines);
  return static_cast<LRESULT>(state.starts.size() - 1);
}

LRESULT insertLine(HWND list, WPARAM where, LPARAM text) {
  ListBoxState& state = listBoxState(list);
  int index = static_cast<int>(where);
  int count = static_cast<int>(state.starts.size());
  if (index == -1) index = count;  // -1 inserts at the end
  if (index < 0 || index > count) return LB_ERR;
  state.starts.insert(state.starts.begin() + index, storeLine(state, textOf(text)));
  // The selection stays on its line, which moves down.
  if (state.selected >= index) ++state.selected;
  reportChange(list, ControlChange::lines);
  return index;
}

LRESULT resetContent(HWND list) {
  ListBoxState& state = listBoxState(list);
  state.text.clear();  // capacity kept for the next refill
  state.starts.clear();
  state.selected = -1;
  reportChange(list, ControlChange::lines);
  return LB_OKAY;
}

LRESULT setSelection(HWND list, WPARAM which) {
  // Quirk: a selection set by the program is not reported to the dialog.
  ListBoxState& state = listBoxState(list);
  int index = static_cast<int>(which);
  if (index != -1 && !isLine(state, index)) return LB_ERR;
  state.selected = index;
  reportChange(list, ControlChange::selection);
  // Quirk: clearing the selection with -1 succeeds and still answers LB_ERR.
  return index == -1 ? LB_ERR : index;
}

LRESULT getSelection(HWND list) {
  int selected = listBoxState(list).selected;
  return selected == -1 ? LB_ERR : selected;
}

LRESULT getText(HWND list, WPARAM which, LPARAM buffer) {
  // Quirk: LB_GETTEXT takes no buffer size; the caller sizes the buffer by
  // LB_GETTEXTLEN first.
  const ListBoxState& state = listBoxState(list);
  int index = static_cast<int>(which);
  if (!isLine(state, index) || buffer == 0) return LB_ERR;
  const char* line = lineAt(state, index);
  std::size_t length = std::strlen(line);
  return copyTextOut(std::string_view(line, length), length + 1, buffer);
}

LRESULT getTextLength(HWND list, WPARAM which) {
  const ListBoxState& state = listBoxState(list);
  int index = static_cast<int>(which);
  if (!isLine(state, index)) return LB_ERR;
  return static_cast<LRESULT>(std::strlen(lineAt(state, index)));
}

LRESULT setHorizontalExtent(HWND list, WPARAM pixels) {
  listBoxState(list).horizontalExtent = static_cast<int>(pixels);
  reportChange(list, ControlChange::horizontalExtent);
  return 0;
}

// Reserves room for `items` more lines of `bytes` in all, NULs included, as
// a list that is about to be filled asks; answers how many lines fit before
// the storage must grow.
LRESULT initStorage(HWND list, WPARAM items, LPARAM bytes) {
  ListBoxState& state = listBoxState(list);
  state.starts.reserve(state.starts.size() + items);
  state.text.reserve(state.text.size() + static_cast<std::size_t>(bytes));
  return static_cast<LRESULT>(state.starts.capacity());
}

LRESULT setTabStops(HWND list, WPARAM count, LPARAM stops) {
  // Quirk: only a list made with LBS_USETABSTOPS takes tab stops.
  if ((windowRecord(list).style & LBS_USETABSTOPS) == 0) return FALSE;
  const int* values = reinterpret_cast<const int*>(stops);
  ListBoxState& state = listBoxState(list);
  state.tabStops.assign(values, values + (values != nullptr ? count : 0));
  reportChange(list, ControlChange::tabStops);
  return TRUE;
}

}  // namespace

LRESULT listBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_ADDSTRING: return addLine(list, lParam);
    case LB_INSERTSTRING: return insertLine(list, wParam, lParam);
    case LB_RESETCONTENT: return resetContent(list);
    case LB_SETCURSEL: return setSelection(list, wParam);
    case LB_GETCURSEL: return getSelection(list);
    case LB_GETTEXT: return getText(list, wParam, lParam);
    case LB_GETTEXTLEN: return getTextLength(list, wParam);
    case LB_GETCOUNT: return static_cast<LRESULT>(listBoxState(list).starts.size());
    case LB_INITSTORAGE: return initStorage(list, wParam, lParam);
    case LB_SETHORIZONTALEXTENT: return setHorizontalExtent(list, wParam);
    case LB_GETHORIZONTALEXTENT: return listBoxState(list).horizontalExtent;
    case LB_SETTABSTOPS: return setTabStops(list, wParam, lParam);
    default: return 0;
  }
}

void listBoxTakesClick(HWND list, int index) {
  ListBoxState& state = listBoxState(list);
  if (!isLine(state, index)) return;
  state.selected = index;
  reportChange(list, ControlChange::selection);
  // A selection made by the user is reported, even a click on the line that
  // was already selected, as the button's release reports it.
  if ((windowRecord(list).style & LBS_NOTIFY) != 0) notifyParent(list, LBN_SELCHANGE);
}

void listBoxTakesDoubleClick(HWND list, int index) {
  // Quirk: the second press selects nothing and its release reports
  // nothing; the first press and release did. Only LBS_NOTIFY reports it.
  if (!isLine(listBoxState(list), index)) return;
  if ((windowRecord(list).style & LBS_NOTIFY) != 0) notifyParent(list, LBN_DBLCLK);
}
