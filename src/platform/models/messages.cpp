// Sending and posting messages. A sent message runs the window's procedure at
// once, nested inside the sender; a posted one waits in the queue until the
// modal loop takes it.
#include <deque>

#include "platform/models/message_queue.h"
#include "platform/win32/win32_api.h"
#include "platform/models/window.h"

namespace {

struct PostedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::deque<PostedMessage>& queue() {
  static std::deque<PostedMessage> posted;
  return posted;
}

}  // namespace

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!isLiveWindow(window)) return 0;
  if (message == WM_SETREDRAW) return setRedraw(window, wParam != FALSE);
  switch (windowRecord(window).kind) {
    case WindowKind::dialog: return dialogProc(window, message, wParam, lParam);
    case WindowKind::edit: return editProc(window, message, wParam, lParam);
    case WindowKind::listBox: return listBoxProc(window, message, wParam, lParam);
    case WindowKind::label: return labelProc(window, message, wParam, lParam);
  }
  return 0;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!isLiveWindow(window)) return FALSE;
  queue().push_back({window, message, wParam, lParam});
  return TRUE;
}

bool deliverPostedMessage() {
  if (queue().empty()) return false;
  PostedMessage next = queue().front();
  queue().pop_front();
  // A message posted to a window destroyed since is dropped, as Windows does.
  SendMessageA(next.window, next.message, next.wParam, next.lParam);
  return true;
}

void dropPostedMessages(HWND window) {
  std::erase_if(queue(), [window](const PostedMessage& m) {
    return m.window == window || (isLiveWindow(m.window) && windowRecord(m.window).parent == window);
  });
}
