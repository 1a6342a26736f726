#pragma once
// The common-control family: TWin32Proxy records tab and page changes, track bars and up-down
// controls at the end of a gesture, hot keys changed, dates picked in calendars and pickers,
// header sections resized and clicked, tool buttons clicked and dropped down (by mouse or
// mnemonic), page scrollers scrolled, tree-view and list-view selections, expansions, label edits
// and column clicks, and rich edits once the user leaves them.

#include "log/log_event_proxy.h"
#include "platform/win32/windows.h"

struct NMHDR;
class TCommonCalendar;
class TToolButton;

class TWin32Proxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TWin32Proxy)
  explicit TWin32Proxy(TLogStream* logStream);

  void WndProc(TMessage& message) override;
  void CBTHook(int code, WPARAM wParam, LPARAM lParam) override;
  void KeyboardHook(int code, WPARAM wParam, LPARAM lParam) override;
  void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) override;

  // The messages this proxy posts to its Handle to record a value after the control changed it.
  // wParam 0, lParam the calendar's window.
  static constexpr UINT WM_CALENDARCHANGED = 5420;
  // wParam the page scroller's window, lParam the scroll direction (PGF_SCROLLUP ...).
  static constexpr UINT WM_PAGESCROLLED = 5421;

  // A date-time picker's calendar dropped down and no change was taken since. Shared by every
  // calendar: the change that follows the drop-down is not recorded, whichever control sends it.
  bool DateDropDown = false;
  // A rich edit was changed since a rich edit last gained the focus.
  bool EditChanged = false;
  // The shortcut a hot-key control had when it gained the focus.
  WORD HotKeyValue = 0;
  // The answer to WM_GETDLGCODE of the window that most recently received the focus, and that
  // window.
  DWORD FocusDlgCode = 0;
  HWND FocusWindow = 0;

 private:
  void Notified(const NMHDR& header);
  void CalendarNotified(TCommonCalendar& calendar, UINT code);
  void Commanded(WPARAM wParam, LPARAM lParam);
  void Scrolled(HWND hwnd, WPARAM wParam, LPARAM lParam);
  void FocusChanged(HWND hwnd, UINT message);

  enum class TToolButtonAction { Clicked, DroppedDown };
  // Records what happened to a tool button: its action first when a click fires one.
  void WriteToolButton(const TToolButton& button, TToolButtonAction action);
};

// The family's part of library load and unload.
void RegisterWin32Family();
void UnregisterWin32Family();
