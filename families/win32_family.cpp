// The common-control family's proxy: focus tracking, the messages sent to the controls' parents,
// and the values recorded once a control has taken its change.

#include "families/win32_family.h"

#include "families/family_strings.h"
#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/std_events.h"
#include "families/win32_events.h"
#include "log/log_stream.h"
#include "platform/strtable.h"
#include "platform/vcl/actions.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/keyboard.h"
#include "platform/win32/commctrl.h"

using namespace family_strings;

namespace {

// The text of a page scroller's scroll direction; empty for a value that names none.
std::string ScrollDirectionText(LPARAM direction) {
  switch (direction) {
    case PGF_SCROLLUP:
      return LoadStr(SScrollUp);
    case PGF_SCROLLDOWN:
      return LoadStr(SScrollDown);
    case PGF_SCROLLLEFT:
      return LoadStr(SScrollLeft);
    case PGF_SCROLLRIGHT:
      return LoadStr(SScrollRight);
    default:
      return "";
  }
}

}  // namespace

const TLogEventProxyClass& TWin32Proxy::StaticClass() {
  static const TLogEventProxyClass cls{"TWin32Proxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TWin32Proxy>};
  return cls;
}

TWin32Proxy::TWin32Proxy(TLogStream* logStream) : TLogEventProxy(logStream) {
  AddLogEventClass(TTabControlChangeEvent::StaticClass());
  AddLogEventClass(TTrackBarChangeEvent::StaticClass());
  AddLogEventClass(TUpDownChangeEvent::StaticClass());
  AddLogEventClass(THotKeyChangeEvent::StaticClass());
  AddLogEventClass(TCalendarChangeEvent::StaticClass());
  AddLogEventClass(THeaderSizeEvent::StaticClass());
  AddLogEventClass(THeaderClickEvent::StaticClass());
  AddLogEventClass(TToolButtonEvent::StaticClass());
  AddLogEventClass(TPageScrollerScrollEvent::StaticClass());
  AddLogEventClass(TTreeViewEditEvent::StaticClass());
  AddLogEventClass(TTreeViewChangeEvent::StaticClass());
  AddLogEventClass(TTreeViewExpandEvent::StaticClass());
  AddLogEventClass(TTreeViewCollapseEvent::StaticClass());
  AddLogEventClass(TListViewEditEvent::StaticClass());
  AddLogEventClass(TListViewChangeEvent::StaticClass());
  AddLogEventClass(TListViewColumnClickEvent::StaticClass());
}

void TWin32Proxy::CBTHook(int code, WPARAM wParam, LPARAM) {
  if (code == HCBT_SETFOCUS) TakeFocus(static_cast<HWND>(wParam), FocusWindow, FocusDlgCode);
}

void TWin32Proxy::CallWndProcHook(int, WPARAM, LPARAM lParam) {
  // A copy: the messages this method causes come back through here, nested.
  const CWPSTRUCT sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  switch (sent.message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusChanged(sent.hwnd, sent.message);
      break;
    case WM_NOTIFY:
      // The sender's notification record lives until the parent has handled the message.
      Notified(*reinterpret_cast<const NMHDR*>(sent.lParam));
      break;
    case WM_COMMAND:
      Commanded(sent.wParam, sent.lParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      Scrolled(sent.hwnd, sent.wParam, sent.lParam);
      break;
    default:
      break;
  }
}

void TWin32Proxy::FocusChanged(HWND hwnd, UINT message) {
  auto* hotKey = dynamic_cast<THotKey*>(FindControl(hwnd));
  if (!hotKey) return;
  if (message == WM_SETFOCUS) {
    HotKeyValue = hotKey->HotKey();
  } else if (hotKey->HotKey() != HotKeyValue) {
    LogStream->WriteEvent(std::make_unique<THotKeyChangeEvent>(GetControlName(*hotKey),
                                                               ShortCutToText(hotKey->HotKey())));
  }
}

void TWin32Proxy::Commanded(WPARAM wParam, LPARAM lParam) {
  // The low word names the control (its handle is its identifier); the high word is the code.
  TControl* control = FindControl(LOWORD(wParam));
  if (!control) {
    // A tool bar's command identifiers are its button positions; the tool bar sent the command.
    auto* toolBar = dynamic_cast<TToolBar*>(FindControl(static_cast<HWND>(lParam)));
    const int position = LOWORD(wParam);
    if (toolBar && position < toolBar->ButtonCount()) {
      WriteToolButton(*toolBar->Buttons(position), TToolButtonAction::Clicked);
    }
    return;
  }
  auto* richEdit = dynamic_cast<TRichEdit*>(control);
  if (!richEdit) return;
  // One flag for all rich edits: a rich edit is recorded once per visit, when it was changed.
  switch (HIWORD(wParam)) {
    case EN_SETFOCUS:
      EditChanged = false;
      break;
    case EN_CHANGE:
      EditChanged = true;
      break;
    case EN_KILLFOCUS:
      if (EditChanged) {
        std::string windowName;
        std::string text;
        GetEditInfo(*richEdit, windowName, text);
        LogStream->WriteEvent(std::make_unique<TEditEvent>(windowName, text));
      }
      break;
    default:
      break;
  }
}

void TWin32Proxy::Scrolled(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  // One record per gesture, with the position at its end.
  if (LOWORD(wParam) != SB_ENDSCROLL) return;
  // A track bar or up-down control names itself in lParam.
  TControl* control = FindControl(lParam != 0 ? static_cast<HWND>(lParam) : hwnd);
  if (auto* trackBar = dynamic_cast<TTrackBar*>(control)) {
    LogStream->WriteEvent(
        std::make_unique<TTrackBarChangeEvent>(GetControlName(*trackBar), trackBar->Position()));
  } else if (auto* upDown = dynamic_cast<TUpDown*>(control)) {
    // The control keeps its position in 16 bits.
    LogStream->WriteEvent(std::make_unique<TUpDownChangeEvent>(
        GetControlName(*upDown), static_cast<int16_t>(upDown->Position())));
  }
}

void TWin32Proxy::WndProc(TMessage& message) {
  // A message posted just before the log was stopped finds no log.
  if (!LogStream) return;
  if (message.Msg == WM_CALENDARCHANGED) {
    // The control may have gone since the message was posted.
    if (auto* calendar =
            dynamic_cast<TCommonCalendar*>(FindControl(static_cast<HWND>(message.LParam)))) {
      LogStream->WriteEvent(
          std::make_unique<TCalendarChangeEvent>(GetControlName(*calendar), calendar->DateTime()));
    }
  } else if (message.Msg == WM_PAGESCROLLED) {
    if (auto* scroller =
            dynamic_cast<TPageScroller*>(FindControl(static_cast<HWND>(message.WParam)))) {
      LogStream->WriteEvent(std::make_unique<TPageScrollerScrollEvent>(
          GetControlName(*scroller), ScrollDirectionText(message.LParam), scroller->Position()));
    }
  }
}

void TWin32Proxy::WriteToolButton(const TToolButton& button, TToolButtonAction action) {
  if (action == TToolButtonAction::Clicked && button.Action()) {
    LogStream->WriteEvent(std::make_unique<TActionEvent>(button.Action()->Name(), button.Name()));
  }
  const int text = action == TToolButtonAction::Clicked ? SButtonClicked : SButtonDroppedDown;
  LogStream->WriteEvent(std::make_unique<TToolButtonEvent>(GetControlName(button), LoadStr(text)));
}

void RegisterWin32Family() { TLogStream::RegisterProxyClass(TWin32Proxy::StaticClass()); }
void UnregisterWin32Family() { TLogStream::UnregisterProxyClass(TWin32Proxy::StaticClass()); }
