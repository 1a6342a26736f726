// The registry of per-thread windowing state, created when a thread first uses the windowing core.

#include "platform/win32/thread_state.h"

#include <unordered_map>

namespace wincore {
namespace {

struct Registry {
  std::mutex mutex;
  std::unordered_map<DWORD, std::shared_ptr<ThreadState>> threads;
};

// Never destroyed: the library's unload code (which runs after static objects are gone) still
// destroys windows and removes hooks.
Registry& TheRegistry() {
  static auto* registry = new Registry;
  return *registry;
}

}  // namespace

std::shared_ptr<ThreadState> ThreadStateOf(DWORD threadId) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  auto& state = registry.threads[threadId];
  if (!state) state = std::make_shared<ThreadState>(threadId);
  return state;
}

ThreadState& CurrentThreadState() {
  // A plain pointer, so that it stays usable while the process exits; the registry keeps the state.
  thread_local ThreadState* const current = ThreadStateOf(GetCurrentThreadId()).get();
  return *current;
}

void ResetThreadStates() {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  for (auto& [id, state] : registry.threads) {
    {
      std::lock_guard queueLock(state->queue.mutex);
      state->queue.posted.clear();
    }
    state->focus = 0;
    state->active = 0;
    state->lastRetrieved = {};
  }
}

}  // namespace wincore
