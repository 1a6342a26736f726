// The common-control family's keyboard: a tool button's mnemonic pressed on its tool bar.

#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/win32_family.h"
#include "platform/vcl/comctrls.h"
#include "platform/win32/commctrl.h"

void TWin32Proxy::KeyboardHook(int, WPARAM wParam, LPARAM lParam) {
  if (IsModifierOrLockKey(wParam)) return;
  FollowFocus(FocusWindow, FocusDlgCode);
  auto* focused = dynamic_cast<TWinControl*>(FindControl(FocusWindow));
  if (IsKeyRelease(lParam) || !focused || !MayBeMnemonic(lParam, FocusDlgCode)) return;
  const std::optional<WORD> typed = TypedCharacter(wParam);
  if (!typed) return;
  auto* button = dynamic_cast<TToolButton*>(GetAcceleratorControl(*focused, *typed));
  // A disabled button takes its mnemonic from the search but does nothing, so nothing is recorded.
  if (!button || !button->Enabled() || !dynamic_cast<TToolBar*>(focused)) return;
  auto* toolBar = dynamic_cast<TToolBar*>(button->Parent());
  if (!toolBar || !toolBar->Enabled() || !toolBar->Showing() || !toolBar->ShowCaptions()) return;
  // A drop-down button's menu opens from its arrow since version 4.71; its mnemonic clicks it. A
  // button with a menu but without that style drops the menu down.
  const bool arrowDropsDown =
      button->Style() == tbsDropDown && GetComCtlVersion() > ComCtlVersionIE3;
  const bool hasMenu = button->MenuItem() || button->DropdownMenu();
  WriteToolButton(*button, arrowDropsDown || !hasMenu ? TToolButtonAction::Clicked
                                                      : TToolButtonAction::DroppedDown);
}
