// Sending and posting messages: sent messages run at once on the window's own thread (or wait
// for that thread to deliver them), posted ones join the thread's queue.

#include "platform/mmsystem.h"
#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

namespace wincore {

LRESULT DeliverSentMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool fromThisThread) {
  CWPSTRUCT hookData{lParam, wParam, msg, hwnd};
  CallHookChain(WH_CALLWNDPROC, HC_ACTION, fromThisThread ? 1 : 0,
                reinterpret_cast<LPARAM>(&hookData));
  const Window* window = WindowOf(hwnd);  // a hook may have destroyed it
  if (!window) return 0;
  return CallWindowProcA(window->proc, hwnd, msg, wParam, lParam);
}

namespace {

bool Queue(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool atFront, bool typedKey) {
  DWORD threadId = GetCurrentThreadId();
  if (hwnd != 0) {
    const auto owner = FindOwner(hwnd);
    if (!owner) return false;
    hwnd = owner->handle;
    threadId = owner->threadId;
  }
  const QueuedMessage queued{MSG{hwnd, msg, wParam, lParam, timeGetTime(), CursorPos()},
                             CurrentModifiers(), typedKey};
  const auto state = ThreadStateOf(threadId);
  {
    std::lock_guard lock(state->queue.mutex);
    if (atFront) {
      state->queue.posted.push_front(queued);
    } else {
      state->queue.posted.push_back(queued);
    }
  }
  state->queue.changed.notify_all();
  return true;
}

}  // namespace

bool QueueMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool atFront) {
  return Queue(hwnd, msg, wParam, lParam, atFront, false);
}

bool QueueTypedKey(HWND hwnd, UINT msg, WPARAM virtualKey, LPARAM keystrokeFlags) {
  return Queue(hwnd, msg, virtualKey, keystrokeFlags, false, true);
}

void DeliverIncomingSends(ThreadState& state) {
  for (;;) {
    std::shared_ptr<CrossThreadSend> send;
    {
      std::lock_guard lock(state.queue.mutex);
      if (state.queue.sent.empty()) return;
      send = state.queue.sent.front();
      state.queue.sent.pop_front();
    }
    // The sender is released even when the procedure throws.
    struct Release {
      ThreadState& state;
      CrossThreadSend& send;
      ~Release() {
        {
          std::lock_guard lock(state.queue.mutex);
          send.done = true;
        }
        state.queue.changed.notify_all();
      }
    } release{state, *send};
    const MSG& m = send->msg;
    send->result = DeliverSentMessage(m.hwnd, m.message, m.wParam, m.lParam, false);
  }
}

}  // namespace wincore

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto owner = wincore::FindOwner(hwnd);
  if (!owner) return 0;
  if (owner->threadId == GetCurrentThreadId()) {
    return wincore::DeliverSentMessage(owner->handle, msg, wParam, lParam, true);
  }
  // Another thread's window: its thread delivers the message while it retrieves messages, and
  // this one waits for the result.
  auto send = std::make_shared<wincore::CrossThreadSend>();
  send->msg = MSG{owner->handle, msg, wParam, lParam, 0, {}};
  const auto target = wincore::ThreadStateOf(owner->threadId);
  std::unique_lock lock(target->queue.mutex);
  target->queue.sent.push_back(send);
  target->queue.changed.notify_all();
  target->queue.changed.wait(lock, [&] { return send->done; });
  return send->result;
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return wincore::QueueMessage(hwnd, msg, wParam, lParam, false) ? 1 : 0;
}

void PostQuitMessage(int exitCode) {
  wincore::QueueMessage(0, WM_QUIT, static_cast<WPARAM>(exitCode), 0, false);
}
