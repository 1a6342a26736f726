// The outline family's proxy.

#include "families/win31_family.h"

#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/win31_events.h"
#include "log/log_stream.h"
#include "platform/vcl/outline.h"

namespace {

// Keys that can change the selected item or the items shown: Enter (expands or collapses), PgUp,
// PgDn, End, Home, the arrows and the keypad's multiply (expands everything below).
bool IsNodeKey(WPARAM key) {
  return key == VK_RETURN || (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_MULTIPLY;
}

}  // namespace

const TLogEventProxyClass& TWin31Proxy::StaticClass() {
  static const TLogEventProxyClass cls{"TWin31Proxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TWin31Proxy>};
  return cls;
}

TWin31Proxy::TWin31Proxy(TLogStream* logStream) : TLogEventProxy(logStream) {
  AddLogEventClass(TOutlineNodeChangeEvent::StaticClass());
}

int TWin31Proxy::GetLastOutlineNode(TCustomOutline& outline) {
  return OutlineNodes.try_emplace(outline.Handle(), -1).first->second;
}

void TWin31Proxy::SetLastOutlineNode(TCustomOutline& outline, int node) {
  OutlineNodes[outline.Handle()] = node;
}

void TWin31Proxy::CBTHook(int code, WPARAM wParam, LPARAM) {
  const auto window = static_cast<HWND>(wParam);
  if (code == HCBT_SETFOCUS) {
    FocusWindow = window;
  } else if (code == HCBT_DESTROYWND) {
    OutlineNodes.erase(window);
  }
}

void TWin31Proxy::KeyboardHook(int, WPARAM wParam, LPARAM lParam) {
  // Modifiers play no part.
  if (IsModifierOrLockKey(wParam) || IsKeyRelease(lParam) || !IsNodeKey(wParam)) return;
  FollowFocus(FocusWindow);
  if (auto* outline = dynamic_cast<TCustomOutline*>(FindControl(FocusWindow))) {
    // The outline moves its selection when it handles the key's message, after this; it is read
    // then.
    PostMessageA(Handle, WM_OUTLINENODECHECK, 0, static_cast<LPARAM>(outline->Handle()));
  }
}

void TWin31Proxy::MouseHook(int, WPARAM wParam, LPARAM lParam) {
  if (wParam != WM_LBUTTONDOWN) return;
  const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  // Seen before the outline handles the press: the item selected until now.
  if (auto* outline = dynamic_cast<TCustomOutline*>(FindControl(mouse.hwnd))) {
    CheckOutlineNode(*outline);
  }
}

void TWin31Proxy::WndProc(TMessage& message) {
  // A message posted just before the log was stopped finds no log.
  if (!LogStream || message.Msg != WM_OUTLINENODECHECK) return;
  // The outline may have gone since the message was posted.
  if (auto* outline =
          dynamic_cast<TCustomOutline*>(FindControl(static_cast<HWND>(message.LParam)))) {
    CheckOutlineNode(*outline);
  }
}

void TWin31Proxy::CheckOutlineNode(TCustomOutline& outline) {
  const int node = outline.SelectedItem();
  if (node == GetLastOutlineNode(outline)) return;
  // An empty outline selects no item, and there is none to name.
  const TOutlineNode* item = outline.Items(node);
  if (!item) return;
  SetLastOutlineNode(outline, node);
  LogStream->WriteEvent(
      std::make_unique<TOutlineNodeChangeEvent>(GetControlName(outline), item->Text(), node));
}

void RegisterWin31Family() { TLogStream::RegisterProxyClass(TWin31Proxy::StaticClass()); }
void UnregisterWin31Family() { TLogStream::UnregisterProxyClass(TWin31Proxy::StaticClass()); }
