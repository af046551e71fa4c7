#include "platform/seam/pending_changes.h"

#include <map>

namespace {

std::map<HWND, ControlChanges> pending;

}  // namespace

void notePendingChange(HWND window, ControlChange change) { pending[window].add(change); }

void noteEveryChangePending(HWND window) { pending[window] = everyControlChange; }

void showPendingChanges(void (*show)(HWND window, ControlChange change)) {
  while (!pending.empty()) {
    HWND window = pending.begin()->first;
    ControlChanges shown = pending.begin()->second;
    pending.erase(pending.begin());
    shown.forEach([&](ControlChange change) { show(window, change); });
  }
}

void forgetPendingChanges() { pending.clear(); }
