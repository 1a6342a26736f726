// The thread's message loop: retrieving queued messages and dispatching them to their windows.
// A message taken from the queue goes through the WH_KEYBOARD hooks first when it is a typed key
// (which they may discard), then through the WH_GETMESSAGE hooks.

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

// Whether the keyboard hooks let a typed key taken from the queue through. They see it as it is
// retrieved, after the messages queued before it have been handled; one that answers non-zero
// discards it, as HCBT_KEYSKIPPED tells the CBT hooks.
bool KeyboardHooksPass(const QueuedMessage& queued) {
  if (!queued.typedKey) return true;
  const MSG& key = queued.msg;
  if (CallHookChain(WH_KEYBOARD, HC_ACTION, key.wParam, key.lParam) == 0) return true;
  CallHookChain(WH_CBT, HCBT_KEYSKIPPED, key.wParam, key.lParam);
  return false;
}

// The message that a retrieval returns, once the hooks have seen it: nothing when it was removed
// and the keyboard hooks discarded it. The WH_GETMESSAGE hooks may change it. A removed message
// is remembered for the translation of key strokes.
std::optional<MSG> Retrieve(ThreadState& state, QueuedMessage queued, bool removed) {
  if (removed && !KeyboardHooksPass(queued)) return std::nullopt;
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
      if (const auto retrieved = wincore::Retrieve(state, *queued, true)) {
        *msg = *retrieved;
        return msg->message == WM_QUIT ? 0 : 1;
      }
      continue;
    }
    if (state.queue.sent.empty()) state.queue.changed.wait(lock);
  }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMessage) {
  const auto filter = wincore::MakeFilter(hwnd, filterMin, filterMax);
  if (!msg || !filter) return 0;
  ThreadState& state = wincore::CurrentThreadState();
  const bool remove = (removeMessage & PM_REMOVE) != 0;
  for (;;) {
    wincore::DeliverIncomingSends(state);
    std::unique_lock lock(state.queue.mutex);
    auto queued = wincore::TakeLocked(state.queue, *filter, remove);
    lock.unlock();
    if (!queued) return 0;
    if (const auto retrieved = wincore::Retrieve(state, *queued, remove)) {
      *msg = *retrieved;
      return 1;
    }
  }
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
    if (const auto msg = wincore::Retrieve(state, queued, true)) {
      TranslateMessage(&*msg);
      DispatchMessageA(&*msg);
    }
  }
}
