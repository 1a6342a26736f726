// The hook callbacks: every call with a code of 0 or above goes to the open log's proxies, and
// then down the chain. The answer is the next hook's, so that a later hook which blocks an action
// is obeyed as it would be without the recorder.

#include "capture/hooks.h"

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "platform/win32/windows.h"

namespace {

enum THookKind { kKeyboard, kMouse, kCallWndProc, kCBT, kGetMessage, kHookKinds };

HHOOK gHooks[kHookKinds] = {};

template <THookKind Kind, void (TLogStream::*Forward)(int, WPARAM, LPARAM)>
LRESULT HookProc(int code, WPARAM wParam, LPARAM lParam) {
  // Taken first: a proxy that stops the log removes the hooks, and the chain must still go on.
  const HHOOK own = gHooks[Kind];
  if (code >= 0) {
    try {
      if (TLogStream* log = LogStream()) (log->*Forward)(code, wParam, lParam);
    } catch (...) {
      // Nothing the recorder does may stop the host's input or the rest of the chain.
    }
  }
  return CallNextHookEx(own, code, wParam, lParam);
}

struct THookInstall {
  THookKind Kind;
  int IdHook;
  HOOKPROC Proc;
};

constexpr THookInstall kInstallOrder[] = {
    {kKeyboard, WH_KEYBOARD, &HookProc<kKeyboard, &TLogStream::KeyboardHookProxy>},
    {kMouse, WH_MOUSE, &HookProc<kMouse, &TLogStream::MouseHookProxy>},
    {kCallWndProc, WH_CALLWNDPROC, &HookProc<kCallWndProc, &TLogStream::CallWndProcHookProxy>},
    {kCBT, WH_CBT, &HookProc<kCBT, &TLogStream::CBTHookProxy>},
    {kGetMessage, WH_GETMESSAGE, &HookProc<kGetMessage, &TLogStream::GetMessageHookProxy>},
};

constexpr THookKind kRemoveOrder[] = {kCBT, kCallWndProc, kMouse, kKeyboard, kGetMessage};

// The library's own module, looked up by its file name as the system knows it.
HMODULE LibraryModule() {
  char fileName[512] = {};
  GetModuleFileNameA(ModuleOfAddress(reinterpret_cast<const void*>(&InstallHooks)), fileName,
                     sizeof fileName);
  return GetModuleHandleA(fileName);
}

}  // namespace

void InstallHooks() {
  for (const THookInstall& hook : kInstallOrder) {
    gHooks[hook.Kind] =
        SetWindowsHookExA(hook.IdHook, hook.Proc, LibraryModule(), GetCurrentThreadId());
  }
}

void RemoveHooks() {
  for (THookKind kind : kRemoveOrder) {
    if (gHooks[kind]) UnhookWindowsHookEx(gHooks[kind]);
    gHooks[kind] = 0;
  }
}
