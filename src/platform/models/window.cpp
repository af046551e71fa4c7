#include "platform/models/window.h"

#include <cassert>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/win32_api.h"

namespace {

// A handle packs the slot of its record (low bits, plus one so that no
// handle is null) and the generation the slot had when the window was made
// (high bits). Destroying a window frees its record and moves its slot to
// the next generation, so an old handle to a reused slot no longer matches.
constexpr int slotBits = 16;
constexpr uintptr_t slotMask = (uintptr_t{1} << slotBits) - 1;
constexpr uintptr_t generationLimit = UINTPTR_MAX >> slotBits;

struct Slot {
  std::unique_ptr<WindowRecord> record;  // empty while the slot is free
  uintptr_t generation = 1;
};

struct Registry {
  std::vector<Slot> slots;
  std::vector<uintptr_t> freeSlots;  // the most recently freed last
};

// Constant-initialised, so no call and no guard stand before each message's
// look-up of its window (where the library's vector allows it: the web
// build's does not, and initialises it once before main instead).
#if defined(__cpp_lib_constexpr_vector)
constinit
#endif
Registry theRegistry;

inline Registry& registry() { return theRegistry; }

HWND handleOf(uintptr_t slot, uintptr_t generation) {
  return reinterpret_cast<HWND>((generation << slotBits) | (slot + 1));
}

// The slot a handle names, or nullptr when the handle is stale or made up.
Slot* liveSlot(HWND window) {
  uintptr_t value = reinterpret_cast<uintptr_t>(window);
  uintptr_t slot = (value & slotMask) - 1;
  Registry& windows = registry();
  if ((value & slotMask) == 0 || slot >= windows.slots.size()) return nullptr;
  Slot& found = windows.slots[slot];
  if (found.record == nullptr || found.generation != value >> slotBits) return nullptr;
  return &found;
}

uintptr_t takeSlot() {
  Registry& windows = registry();
  if (!windows.freeSlots.empty()) {
    uintptr_t slot = windows.freeSlots.back();
    windows.freeSlots.pop_back();
    return slot;
  }
  assert(windows.slots.size() < slotMask && "more live windows than a handle can name");
  windows.slots.emplace_back();
  return windows.slots.size() - 1;
}

decltype(WindowRecord::state) emptyState(WindowKind kind) {
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
  uintptr_t slot = takeSlot();
  Slot& taken = registry().slots[slot];
  taken.record = std::make_unique<WindowRecord>(
      WindowRecord{kind, id, style, x, y, cx, cy, parent, emptyState(kind), false, {}});
  return handleOf(slot, taken.generation);
}

// The record goes with the window, and with it every text and line it held.
// The record is released only after its controls are, since they are
// listed in it.
void destroyWindow(HWND window) {
  Slot* found = liveSlot(window);
  if (found == nullptr) return;
  if (found->record->kind == WindowKind::dialog) {
    for (HWND control : dialogState(window).controls) destroyWindow(control);
  }
  found->record.reset();
  found->generation = found->generation == generationLimit ? 1 : found->generation + 1;
  registry().freeSlots.push_back(static_cast<uintptr_t>(found - registry().slots.data()));
}

bool isLiveWindow(HWND window) { return liveSlot(window) != nullptr; }

void reportChange(HWND window, ControlChange change) {
  WindowRecord& record = windowRecord(window);
  if (!record.drawingSuspended) return activeBackend().controlChanged(window, change);
  record.changesHeld.add(change);
}

LRESULT setRedraw(HWND window, bool drawing) {
  WindowRecord& record = windowRecord(window);
  record.drawingSuspended = !drawing;
  if (!drawing) return 0;
  ControlChanges held = std::exchange(record.changesHeld, {});
  held.forEach([window](ControlChange change) { activeBackend().controlChanged(window, change); });
  return 0;
}

WindowRecord& windowRecord(HWND window) {
  Slot* found = liveSlot(window);
  assert(found != nullptr && "a dead or made-up window handle was followed");
  return *found->record;
}

DialogState& dialogState(HWND dialog) { return std::get<DialogState>(windowRecord(dialog).state); }
EditState& editState(HWND edit) { return std::get<EditState>(windowRecord(edit).state); }
ListBoxState& listBoxState(HWND list) { return std::get<ListBoxState>(windowRecord(list).state); }
LabelState& labelState(HWND label) { return std::get<LabelState>(windowRecord(label).state); }

void notifyParent(HWND control, WORD code) {
  const WindowRecord& record = windowRecord(control);
  SendMessageA(record.parent, WM_COMMAND, MAKEWPARAM(record.id, code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT copyTextOut(std::string_view text, WPARAM size, LPARAM buffer) {
  if (size == 0 || buffer == 0) return 0;
  std::size_t count = text.size() < size - 1 ? text.size() : size - 1;
  char* out = reinterpret_cast<char*>(buffer);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

BOOL IsWindow(HWND window) { return isLiveWindow(window) ? TRUE : FALSE; }

// The backends draw a window from its model whenever they are told of a
// change, and resuming drawing tells them of every held one: nothing is left
// to invalidate, but the call stays, since Windows needs it after
// WM_SETREDRAW TRUE.
BOOL InvalidateRect(HWND window, const RECT*, BOOL) { return isLiveWindow(window) ? TRUE : FALSE; }
