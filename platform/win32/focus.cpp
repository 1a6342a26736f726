// Keyboard focus and window activation of a thread, each announced to the CBT hooks first.

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

namespace wincore {
namespace {

// Moves a thread's focus and tells the window that loses it and the one that gains it.
void MoveFocus(ThreadState& state, HWND gaining) {
  const HWND losing = state.focus;
  state.focus = gaining;
  if (losing != 0) SendMessageA(losing, WM_KILLFOCUS, gaining, 0);
  if (gaining != 0 && state.focus == gaining) SendMessageA(gaining, WM_SETFOCUS, losing, 0);
}

// Input goes only to a window that, like all its parents, is visible, enabled and not minimised.
bool CanTakeFocus(const Window& window) {
  for (const Window* w = &window; w; w = WindowOf(w->parent)) {
    if (!(w->style & WS_VISIBLE) || (w->style & (WS_DISABLED | WS_MINIMIZE))) return false;
  }
  return true;
}

WPARAM ActivateParam(WORD state, HWND hwnd) { return MAKEWPARAM(state, IsIconic(hwnd) ? 1 : 0); }

// Whether `hwnd` can take over the activation from `previous`: a window of the same thread that
// can be active and does not go with `previous` (as the windows it owns do).
bool CanTakeOver(HWND hwnd, HWND previous, DWORD threadId) {
  const Window* window = WindowOf(hwnd);
  return window && window->threadId == threadId && window->owner != previous &&
         !window->destroying && (window->style & WS_VISIBLE) &&
         !(window->style & (WS_DISABLED | WS_MINIMIZE));
}

// The window that takes over the activation from `hwnd`: the first one below it that can, else
// the topmost one above it.
HWND NextToActivate(HWND hwnd, DWORD threadId) {
  const std::vector<HWND> order = TopLevelWindows();
  const auto self = std::find(order.begin(), order.end(), hwnd);
  for (auto below = std::make_reverse_iterator(self); below != order.rend(); ++below)
    if (CanTakeOver(*below, hwnd, threadId)) return *below;
  for (auto above = order.rbegin(); above != order.rend() && *above != hwnd; ++above)
    if (CanTakeOver(*above, hwnd, threadId)) return *above;
  return 0;
}

}  // namespace

bool Activate(HWND topLevel, bool byMouse) {
  const Window* window = WindowOf(topLevel);
  if (!window || window->parent != 0 || !(window->style & WS_VISIBLE) ||
      (window->style & WS_DISABLED)) {
    return false;
  }
  const HWND hwnd = window->handle;
  const auto state = ThreadStateOf(window->threadId);
  const HWND previous = state->active;
  if (previous == hwnd) return true;
  CBTACTIVATESTRUCT cbt{byMouse ? 1 : 0, previous};
  if (CallHookChain(WH_CBT, HCBT_ACTIVATE, hwnd, reinterpret_cast<LPARAM>(&cbt)) != 0) return false;
  if (!IsWindow(hwnd)) return false;
  state->active = hwnd;
  BringToTop(hwnd);
  if (previous != 0) {
    SendMessageA(previous, WM_ACTIVATE, ActivateParam(WA_INACTIVE, previous),
                 static_cast<LPARAM>(hwnd));
  }
  if (state->active != hwnd) return false;  // a handler activated another window meanwhile
  SendMessageA(hwnd, WM_ACTIVATE, ActivateParam(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, hwnd),
               static_cast<LPARAM>(previous));
  // The focus cannot stay in a window that is no longer active.
  if (state->focus != 0 && state->active == hwnd && !IsSelfOrDescendant(state->focus, hwnd)) {
    MoveFocus(*state, 0);
  }
  return true;
}

void ReleaseActivation(HWND hwnd) {
  const Window* window = WindowOf(hwnd);
  if (!window) return;
  const auto state = ThreadStateOf(window->threadId);
  if (state->active != window->handle) return;
  state->active = 0;
  SendMessageA(hwnd, WM_ACTIVATE, ActivateParam(WA_INACTIVE, hwnd), 0);
  ReleaseFocusWithin(hwnd);
}

void PassActivation(HWND hwnd) {
  const Window* window = WindowOf(hwnd);
  if (!window) return;
  const DWORD threadId = window->threadId;
  if (ThreadStateOf(threadId)->active != window->handle) return;
  const HWND next = NextToActivate(window->handle, threadId);
  if (next == 0 || !Activate(next, false)) ReleaseActivation(hwnd);
}

void ReleaseFocusWithin(HWND root) {
  const Window* window = WindowOf(root);
  if (!window) return;
  const auto state = ThreadStateOf(window->threadId);
  if (state->focus != 0 && IsSelfOrDescendant(state->focus, window->handle)) MoveFocus(*state, 0);
}

}  // namespace wincore

HWND SetFocus(HWND hwnd) {
  wincore::ThreadState& state = wincore::CurrentThreadState();
  const HWND previous = state.focus;
  if (hwnd == 0) {
    if (CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, static_cast<LPARAM>(previous)) != 0) return 0;
    if (previous != 0) wincore::MoveFocus(state, 0);
    return previous;
  }
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || window->threadId != state.threadId || !wincore::CanTakeFocus(*window)) return 0;
  hwnd = window->handle;
  if (hwnd == previous) return previous;
  if (CallHookChain(WH_CBT, HCBT_SETFOCUS, hwnd, static_cast<LPARAM>(previous)) != 0) return 0;
  const HWND topLevel = GetAncestorTopLevel(hwnd);
  if (state.active != topLevel &&
      (!wincore::Activate(topLevel, false) || state.active != topLevel)) {
    return 0;
  }
  if (!IsWindow(hwnd)) return 0;
  if (state.focus != hwnd) wincore::MoveFocus(state, hwnd);
  return previous;
}

HWND GetFocus() { return wincore::CurrentThreadState().focus; }

HWND SetActiveWindow(HWND hwnd) {
  wincore::ThreadState& state = wincore::CurrentThreadState();
  const HWND previous = state.active;
  if (hwnd == 0) {
    if (previous != 0) wincore::ReleaseActivation(previous);
    return previous;
  }
  const wincore::Window* window = wincore::WindowOf(GetAncestorTopLevel(hwnd));
  if (!window || window->threadId != state.threadId) return 0;
  return wincore::Activate(window->handle, false) ? previous : 0;
}

HWND GetActiveWindow() { return wincore::CurrentThreadState().active; }

BOOL SetForegroundWindow(HWND hwnd) {
  return wincore::Activate(GetAncestorTopLevel(hwnd), false) ? 1 : 0;
}
