#pragma once
// The form of the controls tests with the common controls registered, and a call-window-procedure
// hook that writes down, as text, each notification, scroll message and command the common
// controls send: the code, the published fields of its record, and the state of the sending
// control at that moment (the record and the state are gone once the message returns).

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/comctrls.h"
#include "platform/vcl/errors.h"
#include "tests/controls/controls_fixture.h"

inline std::vector<std::string> gHeard;
inline HHOOK gHeardHook = 0;

namespace common_controls_detail {

inline std::string DateOf(const SYSTEMTIME& time) {
  return Format("%.4d-%.2d-%.2d", time.wYear, time.wMonth, time.wDay);
}

inline std::string ScrollCodeName(WORD code) {
  constexpr const char* kNames[] = {"LINEUP",     "LINEDOWN", "PAGEUP", "PAGEDOWN", "THUMBPOSITION",
                                    "THUMBTRACK", "TOP",      "BOTTOM", "ENDSCROLL"};
  return code < std::size(kNames) ? kNames[code] : std::to_string(code);
}

// The sender's own state: what a hook that looked at the control would find.
inline std::string StateOf(HWND sender) {
  TControl* control = FindControl(sender);
  if (auto* tabs = dynamic_cast<TCustomTabControl*>(control))
    return Format(" tab=%d", tabs->TabIndex());
  if (auto* bar = dynamic_cast<TTrackBar*>(control)) return Format(" at=%d", bar->Position());
  if (auto* upDown = dynamic_cast<TUpDown*>(control)) return Format(" at=%d", upDown->Position());
  if (auto* scroller = dynamic_cast<TPageScroller*>(control))
    return Format(" at=%d", scroller->Position());
  if (auto* calendar = dynamic_cast<TCommonCalendar*>(control))
    return " value=" + FormatDateTime("yyyy-mm-dd hh:nn", calendar->DateTime());
  return "";
}

inline std::string NotifyText(LPARAM lParam) {
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  const std::string state = StateOf(header.hwndFrom);
  switch (header.code) {
    case TCN_SELCHANGING:
      return "TCN_SELCHANGING" + state;
    case TCN_SELCHANGE:
      return "TCN_SELCHANGE" + state;
    case UDN_DELTAPOS: {
      const auto& change = *reinterpret_cast<const NMUPDOWN*>(lParam);
      return Format("UDN_DELTAPOS pos=%d delta=%d", change.iPos, change.iDelta) + state;
    }
    case MCN_SELCHANGE:
    case MCN_SELECT: {
      const auto& change = *reinterpret_cast<const NMSELCHANGE*>(lParam);
      return (header.code == MCN_SELECT ? "MCN_SELECT " : "MCN_SELCHANGE ") +
             DateOf(change.stSelStart) + state;
    }
    case DTN_DATETIMECHANGE: {
      const auto& change = *reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
      return Format("DTN_DATETIMECHANGE %s %.2d:%.2d", DateOf(change.st), change.st.wHour,
                    change.st.wMinute) +
             state;
    }
    case DTN_DROPDOWN:
      return "DTN_DROPDOWN";
    case DTN_CLOSEUP:
      return "DTN_CLOSEUP";
    case PGN_SCROLL: {
      const auto& scroll = *reinterpret_cast<const NMPGSCROLL*>(lParam);
      return Format("PGN_SCROLL dir=%d by=%d", scroll.iDir, scroll.iScroll) + state;
    }
    default:
      return Format("WM_NOTIFY %d", static_cast<int>(header.code));
  }
}

inline LRESULT Hear(int code, WPARAM wParam, LPARAM lParam) {
  const auto& cwp = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  const auto sender = static_cast<HWND>(cwp.lParam);
  switch (cwp.message) {
    case WM_NOTIFY:
      // A picker's drop-down calendar, a native window, tells the picker too.
      gHeard.push_back(
          (FindControl(reinterpret_cast<const NMHDR*>(cwp.lParam)->hwndFrom) ? "" : "native ") +
          NotifyText(cwp.lParam));
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const bool thumb =
          LOWORD(cwp.wParam) == SB_THUMBPOSITION || LOWORD(cwp.wParam) == SB_THUMBTRACK;
      gHeard.push_back(std::string(cwp.message == WM_HSCROLL ? "H " : "V ") +
                       ScrollCodeName(LOWORD(cwp.wParam)) +
                       (thumb ? Format(" %d", static_cast<int16_t>(HIWORD(cwp.wParam))) : "") +
                       StateOf(sender));
      break;
    }
    case WM_COMMAND:
      if (sender != 0) gHeard.push_back(Format("WM_COMMAND %d", HIWORD(cwp.wParam)));
      break;
  }
  return CallNextHookEx(gHeardHook, code, wParam, lParam);
}

}  // namespace common_controls_detail

class CommonControlsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterCommonControls();
    gHeard.clear();
    gHeardHook =
        SetWindowsHookExA(WH_CALLWNDPROC, common_controls_detail::Hear, 0, GetCurrentThreadId());
  }
  void TearDown() override {
    UnhookWindowsHookEx(gHeardHook);
    ControlsTest::TearDown();
  }

  // What was heard since the last call.
  static std::vector<std::string> Heard() { return std::exchange(gHeard, {}); }
};

using Lines = std::vector<std::string>;
