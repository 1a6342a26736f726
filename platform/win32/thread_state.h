#pragma once
// The per-thread part of the windowing core: the message queue (shared with threads that post or
// send to this one), the focus and active windows, and what the last retrieved message carried.

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/win32/windows.h"

namespace wincore {

// Which modifier keys were down when a message was queued; translating a key-down into a
// character uses these, not the state at the time of translation.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct QueuedMessage {
  MSG msg;
  KeyModifiers modifiers;
  // A key message of the simulated keyboard, not one that program code posted: the keyboard
  // hooks see it when it is retrieved, with its wParam and lParam as the key's virtual key and
  // keystroke flags of the moment it was typed.
  bool typedKey = false;
};

// A message sent from another thread, waiting for this thread to deliver it.
struct CrossThreadSend {
  MSG msg;
  LRESULT result = 0;
  bool done = false;
};

struct MessageQueue {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<QueuedMessage> posted;
  std::deque<std::shared_ptr<CrossThreadSend>> sent;
};

struct ThreadState {
  explicit ThreadState(DWORD id) : threadId(id) {}

  const DWORD threadId;
  MessageQueue queue;
  // Used by the owning thread only.
  HWND focus = 0;
  HWND active = 0;
  HWND capture = 0;
  QueuedMessage lastRetrieved;
};

ThreadState& CurrentThreadState();
// The state of a thread, created on first use; every window's thread has one.
std::shared_ptr<ThreadState> ThreadStateOf(DWORD threadId);

void ResetThreadStates();

}  // namespace wincore
