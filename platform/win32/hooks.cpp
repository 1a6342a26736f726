// Thread hooks: per thread and kind, chained newest first, safe against unhooking while a chain
// is running.

#include <array>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32/core_internal.h"

namespace wincore {
namespace {

// An unhooked node keeps its `next`, so a chain walk that is inside it (the hook unhooked itself,
// or the one after it was unhooked) carries on to the hooks still installed behind it.
struct HookNode {
  HHOOK handle = 0;
  HOOKPROC proc = nullptr;
  std::shared_ptr<HookNode> next;
  bool removed = false;
};
using HookPtr = std::shared_ptr<HookNode>;

constexpr int kHookKinds = WH_MOUSE + 1;

struct Hooks {
  std::mutex mutex;
  std::unordered_map<DWORD, std::array<HookPtr, kHookKinds>> chains;  // by thread
  struct Installed {
    HookPtr node;
    DWORD threadId;
    int kind;
  };
  std::unordered_map<HHOOK, Installed> installed;
  HHOOK nextHandle = 1;
};

// Never destroyed: the library removes its hooks while the process exits.
Hooks& TheHooks() {
  static auto* hooks = new Hooks;
  return *hooks;
}

bool IsSupportedKind(int idHook) {
  return idHook == WH_KEYBOARD || idHook == WH_GETMESSAGE || idHook == WH_CALLWNDPROC ||
         idHook == WH_CBT || idHook == WH_MOUSE;
}

bool ThreadExists(DWORD threadId) {
  // The calling thread always exists, also in a forked child, which goes on as the thread it was
  // forked from (its windows and hooks say so) while the system gives it a new id.
  if (threadId != 0 && threadId == GetCurrentThreadId()) return true;
  std::error_code error;
  return threadId != 0 &&
         std::filesystem::exists("/proc/self/task/" + std::to_string(threadId), error);
}

// The hooks the calling thread is running right now, innermost last: CallNextHookEx finds its
// place in the chain here even when the running hook has just unhooked itself.
thread_local std::vector<HookPtr> tRunning;

HookPtr NextLive(const HookPtr& node) {
  HookPtr next = node->next;
  while (next && next->removed) next = next->next;
  return next;
}

LRESULT Invoke(const HookPtr& node, int code, WPARAM wParam, LPARAM lParam) {
  struct Running {
    explicit Running(const HookPtr& node) { tRunning.push_back(node); }
    ~Running() { tRunning.pop_back(); }
  } running(node);
  return node->proc(code, wParam, lParam);
}

}  // namespace

void ResetHooks() {
  Hooks& hooks = TheHooks();
  std::lock_guard lock(hooks.mutex);
  for (auto& [handle, entry] : hooks.installed) entry.node->removed = true;
  hooks.chains.clear();
  hooks.installed.clear();
}

}  // namespace wincore

using wincore::HookPtr;

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  if (!wincore::IsSupportedKind(idHook) || !proc || !wincore::ThreadExists(threadId)) return 0;
  auto& hooks = wincore::TheHooks();
  std::lock_guard lock(hooks.mutex);
  auto node = std::make_shared<wincore::HookNode>();
  node->handle = hooks.nextHandle++;
  node->proc = proc;
  HookPtr& head = hooks.chains[threadId][idHook];
  node->next = head;
  head = node;
  hooks.installed[node->handle] = {node, threadId, idHook};
  return node->handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  auto& hooks = wincore::TheHooks();
  std::lock_guard lock(hooks.mutex);
  const auto found = hooks.installed.find(hook);
  if (found == hooks.installed.end()) return 0;
  const auto& [node, threadId, kind] = found->second;
  HookPtr* link = &hooks.chains[threadId][kind];
  while (*link != node) link = &(*link)->next;
  *link = node->next;
  node->removed = true;
  hooks.installed.erase(found);
  return 1;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  HookPtr next;
  {
    auto& hooks = wincore::TheHooks();
    std::lock_guard lock(hooks.mutex);
    HookPtr current;
    for (auto it = wincore::tRunning.rbegin(); it != wincore::tRunning.rend() && !current; ++it) {
      if ((*it)->handle == hook) current = *it;
    }
    if (!current) {
      const auto found = hooks.installed.find(hook);
      if (found == hooks.installed.end()) return 0;
      current = found->second.node;
    }
    next = wincore::NextLive(current);
  }
  return next ? wincore::Invoke(next, code, wParam, lParam) : 0;
}

LRESULT CallHookChain(int idHook, int code, WPARAM wParam, LPARAM lParam) {
  if (!wincore::IsSupportedKind(idHook)) return 0;
  HookPtr first;
  {
    auto& hooks = wincore::TheHooks();
    std::lock_guard lock(hooks.mutex);
    const auto chains = hooks.chains.find(GetCurrentThreadId());
    if (chains == hooks.chains.end()) return 0;
    first = chains->second[idHook];
  }
  return first ? wincore::Invoke(first, code, wParam, lParam) : 0;
}
