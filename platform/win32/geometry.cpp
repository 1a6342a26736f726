// Window rectangles, conversions between client and screen coordinates, and hit-testing.

#include <algorithm>
#include <limits>

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

int BoundedPosition(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, -kMaxCoordinate, kMaxCoordinate));
}

int BoundedSize(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, 0, kMaxCoordinate));
}

LONG SaturatedSum(int64_t a, int64_t b) {
  return static_cast<LONG>(std::clamp<int64_t>(a + b, std::numeric_limits<LONG>::min(),
                                               std::numeric_limits<LONG>::max()));
}

namespace wincore {

RECT BoundedRect(int64_t x, int64_t y, int64_t width, int64_t height) {
  const int left = BoundedPosition(x);
  const int top = BoundedPosition(y);
  return RECT{left, top, left + BoundedSize(width), top + BoundedSize(height)};
}

namespace {

LONG Width(const RECT& rect) { return rect.right - rect.left; }
LONG Height(const RECT& rect) { return rect.bottom - rect.top; }

bool Contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

// Whether the window shows on screen at its rectangle: visible, and not minimised away.
bool IsShownAt(const Window& window, POINT point) {
  return (window.style & WS_VISIBLE) && !(window.style & WS_MINIMIZE) &&
         Contains(window.rect, point);
}

// The deepest shown window at a point given in the coordinates of the window's rectangle.
HWND DeepestAt(HWND hwnd, POINT point) {
  const Window* window = WindowOf(hwnd);
  if (!window || !IsShownAt(*window, point)) return 0;
  const POINT inner{SaturatedSum(point.x, -int64_t{window->rect.left}),
                    SaturatedSum(point.y, -int64_t{window->rect.top})};
  for (auto child = window->children.rbegin(); child != window->children.rend(); ++child) {
    if (const HWND hit = DeepestAt(*child, inner)) return hit;
  }
  return window->handle;
}

}  // namespace

void ApplyRect(HWND hwnd, const RECT& rect, WPARAM sizeKind, bool alwaysSize) {
  Window* window = WindowOf(hwnd);
  if (!window) return;
  const RECT old = window->rect;
  window->rect = rect;
  if (!(window->style & (WS_MINIMIZE | WS_MAXIMIZE))) window->normalRect = rect;
  if (old.left != rect.left || old.top != rect.top) {
    SendMessageA(hwnd, WM_MOVE, 0,
                 MAKELPARAM(static_cast<WORD>(rect.left), static_cast<WORD>(rect.top)));
  }
  if (alwaysSize || Width(old) != Width(rect) || Height(old) != Height(rect)) {
    SendMessageA(hwnd, WM_SIZE, sizeKind,
                 MAKELPARAM(static_cast<WORD>(Width(rect)), static_cast<WORD>(Height(rect))));
  }
}

}  // namespace wincore

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || width < 0 || height < 0) return 0;
  const WPARAM sizeKind = (window->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                          : (window->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                          : SIZE_RESTORED;
  wincore::ApplyRect(window->handle, wincore::BoundedRect(x, y, width, height), sizeKind, false);
  return 1;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || !rect) return 0;
  const POINT origin = wincore::ClientOriginOnScreen(*window);
  *rect = RECT{origin.x, origin.y, SaturatedSum(origin.x, wincore::Width(window->rect)),
               SaturatedSum(origin.y, wincore::Height(window->rect))};
  return 1;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || !rect) return 0;
  *rect = RECT{0, 0, wincore::Width(window->rect), wincore::Height(window->rect)};
  return 1;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || !point) return 0;
  const POINT origin = wincore::ClientOriginOnScreen(*window);
  point->x = SaturatedSum(point->x, origin.x);
  point->y = SaturatedSum(point->y, origin.y);
  return 1;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || !point) return 0;
  const POINT origin = wincore::ClientOriginOnScreen(*window);
  point->x = SaturatedSum(point->x, -int64_t{origin.x});
  point->y = SaturatedSum(point->y, -int64_t{origin.y});
  return 1;
}

HWND WindowFromPoint(POINT point) {
  const std::vector<HWND> topLevels = wincore::TopLevelWindows();
  for (auto window = topLevels.rbegin(); window != topLevels.rend(); ++window) {
    if (const HWND hit = wincore::DeepestAt(*window, point)) return hit;
  }
  return 0;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
  const wincore::Window* window = wincore::WindowOf(parent);
  if (!window) return 0;
  RECT client;
  GetClientRect(parent, &client);
  if (!wincore::Contains(client, point)) return 0;
  for (auto child = window->children.rbegin(); child != window->children.rend(); ++child) {
    const wincore::Window* candidate = wincore::WindowOf(*child);
    if (candidate && (candidate->style & WS_VISIBLE) && wincore::Contains(candidate->rect, point)) {
      return candidate->handle;
    }
  }
  return window->handle;
}
