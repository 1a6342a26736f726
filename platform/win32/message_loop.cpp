// The thread's message loop: retrieving queued messages (through the WH_GETMESSAGE hooks) and
// dispatching them to their windows.

#include <algorithm>
#include <optional>

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

namespace wincore {
namespace {

struct Filter {
  HWND hwnd = 0;  // full handle; 0 for every message of the thread
  UINT first = 0;
  UINT last = 0;

  bool Matches(const MSG& msg) const {
    if (hwnd != 0 && msg.hwnd != hwnd && msg.message != WM_QUIT) return false;
    return (first == 0 && last == 0) || (msg.message >= first && msg.message <= last);
  }
};

// The filter for a retrieval call; nullopt when it names a window that does not exist.
std::optional<Filter> MakeFilter(HWND hwnd, UINT first, UINT last) {
  if (hwnd == 0) return Filter{0, first, last};
  const auto owner = FindOwner(hwnd);
  if (!owner) return std::nullopt;
  return Filter{owner->handle, first, last};
}

// Takes (or copies) the first queued message that passes the filter; the queue lock is held.
std::optional<QueuedMessage> TakeLocked(MessageQueue& queue, const Filter& filter, bool remove) {
  const auto found = std::find_if(queue.posted.begin(), queue.posted.end(),
                                  [&](const QueuedMessage& q) { return filter.Matches(q.msg); });
  if (found == queue.posted.end()) return std::nullopt;
  QueuedMessage taken = *found;
  if (remove) queue.posted.erase(found);
  return taken;
}

// Shows a retrieved message to the WH_GETMESSAGE hooks, which may change it, and remembers it for
// the translation of key strokes.
MSG Retrieved(ThreadState& state, QueuedMessage queued, bool removed) {
  CallHookChain(WH_GETMESSAGE, HC_ACTION, removed ? PM_REMOVE : PM_NOREMOVE,
                reinterpret_cast<LPARAM>(&queued.msg));
  if (removed) state.lastRetrieved = queued;
  return queued.msg;
}

}  // namespace
}  // namespace wincore

using wincore::ThreadState;

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  const auto filter = wincore::MakeFilter(hwnd, filterMin, filterMax);
  if (!msg || !filter) return -1;
  ThreadState& state = wincore::CurrentThreadState();
  for (;;) {
    wincore::DeliverIncomingSends(state);
    std::unique_lock lock(state.queue.mutex);
    if (auto queued = wincore::TakeLocked(state.queue, *filter, true)) {
      lock.unlock();
      *msg = wincore::Retrieved(state, *queued, true);
      return msg->message == WM_QUIT ? 0 : 1;
    }
    if (state.queue.sent.empty()) state.queue.changed.wait(lock);
  }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMessage) {
  const auto filter = wincore::MakeFilter(hwnd, filterMin, filterMax);
  if (!msg || !filter) return 0;
  ThreadState& state = wincore::CurrentThreadState();
  wincore::DeliverIncomingSends(state);
  const bool remove = (removeMessage & PM_REMOVE) != 0;
  std::unique_lock lock(state.queue.mutex);
  auto queued = wincore::TakeLocked(state.queue, *filter, remove);
  lock.unlock();
  if (!queued) return 0;
  *msg = wincore::Retrieved(state, *queued, remove);
  return 1;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  const wincore::Window* window = wincore::WindowOf(msg->hwnd);
  if (!window) return 0;
  return CallWindowProcA(window->proc, window->handle, msg->message, msg->wParam, msg->lParam);
}

bool ProcessPendingMessages() {
  ThreadState& state = wincore::CurrentThreadState();
  for (;;) {
    wincore::DeliverIncomingSends(state);
    std::unique_lock lock(state.queue.mutex);
    if (state.queue.posted.empty()) return false;
    if (state.queue.posted.front().msg.message == WM_QUIT) return true;
    const wincore::QueuedMessage queued = state.queue.posted.front();
    state.queue.posted.pop_front();
    lock.unlock();
    const MSG msg = wincore::Retrieved(state, queued, true);
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
