// The window and mouse family's proxy.

#include "families/api_family.h"

#include <iterator>

#include "families/api_events.h"
#include "families/family_strings.h"
#include "families/qv_utils.h"
#include "log/log_stream.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

using namespace family_strings;

std::string ShowCommandName(WORD command) {
  // Texts by show command value, SW_HIDE (0) to SW_RESTORE (9).
  static constexpr int kNames[] = {SShowHide,       SShowNormal, SShowMinimized, SShowMaximized,
                                   SShowNoActivate, SShowShow,   SShowMinimize,  SShowMinNoActive,
                                   SShowNA,         SShowRestore};
  if (command < std::size(kNames)) return LoadStr(kNames[command]);
  return LoadStr(SShowUnknown) + Format(" (%d)", command);
}

const TLogEventProxyClass& TAPIProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TAPIProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TAPIProxy>};
  return cls;
}

TAPIProxy::TAPIProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
  AddLogEventClass(TActivateEvent::StaticClass());
  AddLogEventClass(TMinMaxEvent::StaticClass());
  AddLogEventClass(TMouseClickEvent::StaticClass());
  AddLogEventClass(TMoveSizeEvent::StaticClass());
  AddLogEventClass(TSetFocusEvent::StaticClass());
}

void TAPIProxy::CBTHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = static_cast<HWND>(wParam);
  switch (code) {
    case HCBT_MOVESIZE: {
      // Coordinates beyond 16 bits keep their low 16 bits.
      const auto& rect = *reinterpret_cast<const RECT*>(lParam);
      LogStream->WriteEvent(std::make_unique<TMoveSizeEvent>(
          GetWindowName(window), static_cast<int16_t>(rect.left), static_cast<int16_t>(rect.top),
          static_cast<int16_t>(rect.right), static_cast<int16_t>(rect.bottom)));
      break;
    }
    case HCBT_MINMAX:
      LogStream->WriteEvent(
          std::make_unique<TMinMaxEvent>(GetWindowName(window), ShowCommandName(LOWORD(lParam))));
      break;
    case HCBT_ACTIVATE:
      LogStream->WriteEvent(std::make_unique<TActivateEvent>(GetWindowName(window)));
      break;
    default:
      break;
  }
}

void TAPIProxy::CallWndProcHook(int, WPARAM, LPARAM lParam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (sent.message != WM_SETFOCUS) return;
  LogStream->WriteEvent(std::make_unique<TSetFocusEvent>(GetWindowName(sent.hwnd)));
}

void TAPIProxy::MouseHook(int, WPARAM wParam, LPARAM lParam) {
  if (wParam != WM_LBUTTONUP && wParam != WM_RBUTTONUP) return;
  const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  // Every framework control with a window of its own is windowed.
  const auto* control = dynamic_cast<const TWinControl*>(FindControl(mouse.hwnd));
  if (!control) return;
  POINT point = mouse.pt;
  ScreenToClient(mouse.hwnd, &point);
  LogStream->WriteEvent(std::make_unique<TMouseClickEvent>(
      GetWindowHit(*control, point), static_cast<int16_t>(point.x), static_cast<int16_t>(point.y)));
}

void RegisterAPIFamily() { TLogStream::RegisterProxyClass(TAPIProxy::StaticClass()); }
void UnregisterAPIFamily() { TLogStream::UnregisterProxyClass(TAPIProxy::StaticClass()); }
