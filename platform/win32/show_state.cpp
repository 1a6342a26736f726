// Showing, hiding, minimising, maximising, restoring, enabling and disabling windows.

#include <optional>

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

namespace wincore {
namespace {

enum class Placement { kNormal, kMinimized, kMaximized };

Placement PlacementOf(const Window& window) {
  if (window.style & WS_MINIMIZE) return Placement::kMinimized;
  if (window.style & WS_MAXIMIZE) return Placement::kMaximized;
  return Placement::kNormal;
}

// A maximised window fills the screen, or its parent's client area.
RECT MaximizedRect(const Window& window) {
  const Window* parent = WindowOf(window.parent);
  if (!parent) return kScreenRect;
  return RECT{0, 0, parent->rect.right - parent->rect.left, parent->rect.bottom - parent->rect.top};
}

void SetVisible(HWND hwnd, bool visible) {
  const Window* window = WindowOf(hwnd);
  if (!window || ((window->style & WS_VISIBLE) != 0) == visible) return;
  SendMessageA(hwnd, WM_SHOWWINDOW, visible ? 1 : 0, 0);
  Window* shown = WindowOf(hwnd);
  if (!shown) return;
  if (visible) {
    shown->style |= WS_VISIBLE;
  } else {
    shown->style &= ~WS_VISIBLE;
    ReleaseFocusWithin(hwnd);
    PassActivation(hwnd);
  }
}

// Moves a window between its normal, minimised and maximised placements. A minimised window
// keeps its rectangle; leaving the maximised placement returns to the normal rectangle.
void Place(HWND hwnd, Placement target) {
  Window* window = WindowOf(hwnd);
  if (!window) return;
  const Placement current = PlacementOf(*window);
  RECT rect = window->rect;
  WPARAM sizeKind = SIZE_RESTORED;
  window->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  switch (target) {
    case Placement::kMinimized:
      window->restoreToMaximized = current == Placement::kMaximized;
      window->style |= WS_MINIMIZE;
      sizeKind = SIZE_MINIMIZED;
      break;
    case Placement::kMaximized:
      window->style |= WS_MAXIMIZE;
      rect = MaximizedRect(*window);
      sizeKind = SIZE_MAXIMIZED;
      break;
    case Placement::kNormal:
      rect = window->normalRect;
      break;
  }
  ApplyRect(hwnd, rect, sizeKind, true);
  if (target == Placement::kMinimized) {
    ReleaseFocusWithin(hwnd);
    PassActivation(hwnd);
  }
}

struct ShowAction {
  std::optional<Placement> placement;
  bool activate = false;
};

std::optional<ShowAction> ActionOf(int command, const Window& window) {
  switch (command) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      return ShowAction{Placement::kMinimized, false};
    case SW_MAXIMIZE:
      return ShowAction{Placement::kMaximized, true};
    case SW_RESTORE:
      // A window minimised from the maximised placement goes back to it.
      if (PlacementOf(window) == Placement::kMinimized && window.restoreToMaximized) {
        return ShowAction{Placement::kMaximized, true};
      }
      return ShowAction{Placement::kNormal, true};
    case SW_SHOWNORMAL:
      return ShowAction{Placement::kNormal, true};
    case SW_SHOW:
      return ShowAction{std::nullopt, true};
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
      return ShowAction{std::nullopt, false};
    default:
      return std::nullopt;
  }
}

}  // namespace
}  // namespace wincore

BOOL ShowWindow(HWND hwnd, int command) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  hwnd = window->handle;
  const BOOL wasVisible = (window->style & WS_VISIBLE) ? 1 : 0;
  if (command == SW_HIDE) {
    wincore::SetVisible(hwnd, false);
    return wasVisible;
  }
  const auto action = wincore::ActionOf(command, *window);
  if (!action) return wasVisible;
  const bool changesPlacement =
      action->placement && *action->placement != wincore::PlacementOf(*window);
  if (changesPlacement && CallHookChain(WH_CBT, HCBT_MINMAX, hwnd, command) != 0) {
    return wasVisible;
  }
  wincore::SetVisible(hwnd, true);
  if (changesPlacement) wincore::Place(hwnd, *action->placement);
  if (action->activate) wincore::Activate(hwnd, false);  // top-level windows only
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  for (; window; window = wincore::WindowOf(window->parent)) {
    if (!(window->style & WS_VISIBLE)) return 0;
  }
  return 1;
}

BOOL IsIconic(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_MINIMIZE) ? 1 : 0; }

BOOL IsZoomed(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_MAXIMIZE) ? 1 : 0; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  hwnd = window->handle;
  const BOOL wasDisabled = (window->style & WS_DISABLED) ? 1 : 0;
  if ((enable != 0) == !wasDisabled) return wasDisabled;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
    wincore::ReleaseFocusWithin(hwnd);  // a disabled window takes no input
  }
  SendMessageA(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  return window && !(window->style & WS_DISABLED) ? 1 : 0;
}
