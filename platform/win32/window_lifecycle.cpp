// Creating and destroying windows, with the CBT notifications and messages that go with them.

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

namespace wincore {
namespace {

RECT RectOf(const CREATESTRUCTA& create) {
  return BoundedRect(create.x, create.y, create.cx, create.cy);
}

// Destroys a window after its owned windows and children; focus and activation leave it first.
void DestroyTree(HWND hwnd) {
  Window* window = WindowOf(hwnd);
  if (!window || window->destroying) return;
  window->destroying = true;
  PassActivation(hwnd);
  ReleaseFocusWithin(hwnd);
  window = WindowOf(hwnd);
  const std::vector<HWND> children = window->children;
  for (const HWND topLevel : TopLevelWindows()) {
    const Window* owned = WindowOf(topLevel);
    if (owned && owned->owner == hwnd) DestroyTree(topLevel);
  }
  for (const HWND child : children) DestroyTree(child);
  SendMessageA(hwnd, WM_DESTROY, 0, 0);
  RemoveWindow(hwnd);
}

}  // namespace
}  // namespace wincore

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                     HINSTANCE instance, void* param) {
  const auto windowClass = wincore::FindClass(className);
  if (!windowClass) return 0;
  const wincore::Window* parentWindow = wincore::WindowOf(parent);
  if (parent != 0 && !parentWindow) return 0;
  if ((style & WS_CHILD) && !parentWindow) return 0;

  wincore::Window created;
  created.className = windowClass->name;
  created.proc = windowClass->proc;
  created.text = windowName ? windowName : "";
  created.style = style & ~WS_VISIBLE;  // shown below, once created
  created.exStyle = exStyle;
  created.threadId = GetCurrentThreadId();
  if (style & WS_CHILD) {
    created.parent = parentWindow->handle;
    created.id = static_cast<LONG_PTR>(menuOrId);
  } else if (parentWindow) {
    created.owner = GetAncestorTopLevel(parentWindow->handle);
  }
  CREATESTRUCTA create{param,     instance, menuOrId, created.parent,           height,
                       width,     y,        x,        static_cast<LONG>(style), windowName,
                       className, exStyle};
  created.rect = created.normalRect = wincore::RectOf(create);
  wincore::Window* window = wincore::AddWindow(std::move(created));
  if (!window) return 0;
  const HWND hwnd = window->handle;

  CBT_CREATEWNDA cbt{&create, 0};
  if (CallHookChain(WH_CBT, HCBT_CREATEWND, hwnd, reinterpret_cast<LPARAM>(&cbt)) != 0) {
    wincore::RemoveWindow(hwnd);
    return 0;
  }
  window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  window->rect = window->normalRect = wincore::RectOf(create);  // as the hooks left it

  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    wincore::DestroyTree(hwnd);
    return 0;
  }
  if (!IsWindow(hwnd)) return 0;
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : 0;
}

BOOL DestroyWindow(HWND hwnd) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || window->destroying) return 0;
  hwnd = window->handle;
  if (CallHookChain(WH_CBT, HCBT_DESTROYWND, hwnd, 0) != 0) return 0;
  wincore::DestroyTree(hwnd);
  return 1;
}

BOOL IsWindow(HWND hwnd) { return wincore::WindowOf(hwnd) ? 1 : 0; }
