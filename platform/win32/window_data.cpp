// What a window holds and how it relates to others: its long values, class name, text, parent,
// children and owning thread.

#include <unistd.h>
#include <algorithm>
#include <cstring>

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_ID:
      return window->id;
    case GWLP_USERDATA:
      return window->userData;
    default:
      return 0;
  }
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
  switch (index) {
    case GWL_STYLE:
      window->style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(value);
      break;
    case GWLP_WNDPROC:
      window->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_ID:
      window->id = value;
      break;
    case GWLP_USERDATA:
      window->userData = value;
      break;
    default:
      return 0;
  }
  return old;
}

int GetClassNameA(HWND hwnd, char* buffer, int size) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window || !buffer || size <= 0) return 0;
  const size_t count = std::min<size_t>(window->className.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, window->className.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(
      SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? 1 : 0;
}

// The parent of a child window; the owner of a top-level pop-up window, as the real call answers.
HWND GetParent(HWND hwnd) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  if (window->parent != 0) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : 0;
}

HWND SetParent(HWND child, HWND newParent) {
  const wincore::Window* window = wincore::WindowOf(child);
  if (!window) return 0;
  const HWND oldParent = window->parent;
  const wincore::Window* parent = wincore::WindowOf(newParent);
  if (newParent != 0 && !parent) return 0;
  // A window cannot move inside itself: the parent chain would become a cycle.
  if (parent && wincore::IsSelfOrDescendant(parent->handle, window->handle)) return 0;
  wincore::Reparent(window->handle, parent ? parent->handle : 0);
  return oldParent;
}

HWND GetWindow(HWND hwnd, UINT relation) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  if (relation == GW_CHILD) return window->children.empty() ? 0 : window->children.front();
  if (relation != GW_HWNDNEXT) return 0;
  const wincore::Window* parent = wincore::WindowOf(window->parent);
  const std::vector<HWND> siblings = parent ? parent->children : wincore::TopLevelWindows();
  const auto self = std::find(siblings.begin(), siblings.end(), window->handle);
  return self != siblings.end() && self + 1 != siblings.end() ? *(self + 1) : 0;
}

HWND GetDlgItem(HWND parent, int id) {
  const wincore::Window* window = wincore::WindowOf(parent);
  if (!window) return 0;
  for (const HWND child : window->children) {
    if (GetWindowLongPtrA(child, GWLP_ID) == id) return child;
  }
  return 0;
}

int GetDlgCtrlID(HWND hwnd) { return static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_ID)); }

HWND GetAncestorTopLevel(HWND hwnd) {
  const wincore::Window* window = wincore::WindowOf(hwnd);
  if (!window) return 0;
  while (const wincore::Window* parent = wincore::WindowOf(window->parent)) window = parent;
  return window->handle;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
  const auto owner = wincore::FindOwner(hwnd);
  if (!owner) return 0;
  if (processId) *processId = static_cast<DWORD>(getpid());
  return owner->threadId;
}
