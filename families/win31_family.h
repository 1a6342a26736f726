#pragma once
// The outline family: TWin31Proxy records each change of an outline's selected item, made with
// the keyboard or seen at a click.
//
// A key on the focused outline is checked once the outline has handled it: the keyboard hook,
// which sees the key as its message is taken from the queue, posts the check behind it.

#include <unordered_map>

#include "log/log_event_proxy.h"
#include "platform/win32/windows.h"

class TCustomOutline;

class TWin31Proxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TWin31Proxy)
  explicit TWin31Proxy(TLogStream* logStream);

  void WndProc(TMessage& message) override;
  void CBTHook(int code, WPARAM wParam, LPARAM lParam) override;
  void KeyboardHook(int code, WPARAM wParam, LPARAM lParam) override;
  void MouseHook(int code, WPARAM wParam, LPARAM lParam) override;

  // The message this proxy posts to its Handle to check an outline once it has handled a key.
  // wParam 0; lParam the outline's window, so that an outline freed meanwhile is not touched.
  static constexpr UINT WM_OUTLINENODECHECK = 5320;

  // The item index last recorded for the outline; -1 before the outline's first check.
  int GetLastOutlineNode(TCustomOutline& outline);
  void SetLastOutlineNode(TCustomOutline& outline, int node);

  // The window that most recently received the focus.
  HWND FocusWindow = 0;

 private:
  // Records the outline's selected item when it is not the item last recorded for the outline.
  void CheckOutlineNode(TCustomOutline& outline);

  // The last recorded item of each outline, by the outline's window: handles are never reused, so
  // an outline made later never takes the entry of one freed before, and the entry goes with the
  // window.
  std::unordered_map<HWND, int> OutlineNodes;
};

// The family's part of library load and unload.
void RegisterWin31Family();
void UnregisterWin31Family();
