#pragma once
// The process-wide table of windows and window classes, shared by the units of the windowing core.
//
// A window is used by the thread that created it; other threads may only look up its owner (to
// post to it), which the table answers under its lock. A `Window*` stays valid until the window is
// destroyed, which may happen inside any message or hook call: callers keep the handle and look
// the window up again after calling out.

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/windows.h"

namespace wincore {

// Slot indexes start here, so that a small number (a command identifier) never names a window.
constexpr WORD kFirstSlot = 0x100;

struct Window {
  HWND handle = 0;
  std::string className;
  WNDPROC proc = nullptr;
  std::string text;
  HWND parent = 0;  // 0 for a top-level window
  HWND owner = 0;   // top-level windows only: the top-level window that owns it
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  RECT rect;        // in the parent's client coordinates; screen coordinates for a top-level window
  RECT normalRect;  // where restoring from the maximised state returns to
  bool restoreToMaximized = false;  // minimised from the maximised state
  DWORD threadId = 0;
  std::vector<HWND> children;  // creation order, which is also the stacking order (last on top)
  bool destroying = false;
};

struct WindowClass {
  std::string name;
  WNDPROC proc = nullptr;
  UINT style = 0;
};

// The live window named by a full handle or by its 16-bit form; nullptr for anything else.
Window* WindowOf(HWND hwnd);
// The full handle and owning thread of a live window, looked up safely from any thread.
struct WindowOwner {
  HWND handle;
  DWORD threadId;
};
std::optional<WindowOwner> FindOwner(HWND hwnd);

std::optional<WindowClass> FindClass(const char* name);
// Adds a window to the table (linked below its parent, or among the top-level windows) and gives
// it its handle; nullptr when every handle is used up.
Window* AddWindow(Window&& window);
// Unlinks and frees a window; its handle is never given out again.
void RemoveWindow(HWND hwnd);
// Moves a window below another parent (0: among the top-level windows), on top of its siblings.
void Reparent(HWND hwnd, HWND newParent);
// Top-level windows in stacking order (bottom to top): creation order, changed by activation.
std::vector<HWND> TopLevelWindows();
// Moves a top-level window to the top of the stacking order, with the windows it owns above it.
void BringToTop(HWND hwnd);

// Whether `hwnd` is `ancestor` or lies inside it (both full handles).
bool IsSelfOrDescendant(HWND hwnd, HWND ancestor);
// The window's client origin in screen coordinates.
POINT ClientOriginOnScreen(const Window& window);

void ResetWindowTable();

}  // namespace wincore
