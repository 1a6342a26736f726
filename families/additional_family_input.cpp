// The additional-control family's keyboard and mouse: keys that move a grid's current cell,
// mnemonics of speed buttons, and presses and releases on speed buttons, splitters and grids.

#include <optional>

#include "families/additional_events.h"
#include "families/additional_family.h"
#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "log/log_stream.h"
#include "platform/vcl/additional_controls.h"

namespace {

// PgUp, PgDn, End, Home and the four arrows.
bool IsCellMoveKey(WPARAM key) { return key >= VK_PRIOR && key <= VK_DOWN; }

// The splitter's place across its alignment: Left for a splitter aligned left or right, else Top.
int32_t SplitterPosition(const TSplitter& splitter) {
  const TAlign align = splitter.Align();
  return align == alLeft || align == alRight ? splitter.Left() : splitter.Top();
}

// The control, when the window `parent` still holds it among its children; compared by address
// only, so that a control freed since is never touched.
TControl* ChildStillHeld(HWND parent, const TControl* control) {
  auto* holder = dynamic_cast<TWinControl*>(FindControl(parent));
  if (!holder) return nullptr;
  for (int i = 0; i < holder->ControlCount(); ++i) {
    if (holder->Controls(i) == control) return holder->Controls(i);
  }
  return nullptr;
}

}  // namespace

void TAdditionalProxy::KeyboardHook(int, WPARAM wParam, LPARAM lParam) {
  if (IsModifierOrLockKey(wParam)) return;
  FollowFocus(FocusWindow, FocusDlgCode);
  auto* focused = dynamic_cast<TWinControl*>(FindControl(FocusWindow));
  if (IsKeyRelease(lParam) || !focused) return;
  // An outline is a grid too: its keys move its current cell as well as its selected item.
  if (auto* grid = dynamic_cast<TCustomGrid*>(focused); grid && IsCellMoveKey(wParam)) {
    // The grid moves its cell when it handles the key's message, after this; the cell is read
    // then.
    PostMessageA(Handle, WM_GRIDCELLCHECK, 0, static_cast<LPARAM>(grid->Handle()));
    return;
  }
  if (!MayBeMnemonic(lParam, FocusDlgCode)) return;
  const std::optional<WORD> typed = TypedCharacter(wParam);
  if (!typed) return;
  if (auto* button = dynamic_cast<TSpeedButton*>(GetAcceleratorControl(*focused, *typed))) {
    WriteSpeedButtonClick(*button);
  }
}

void TAdditionalProxy::MouseHook(int, WPARAM wParam, LPARAM lParam) {
  if (wParam != WM_LBUTTONDOWN && wParam != WM_LBUTTONUP) return;
  MouseButton(static_cast<UINT>(wParam), *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam));
  // A release ends whatever the press began.
  if (wParam == WM_LBUTTONUP) {
    PressedSpeedButton = nullptr;
    PressedSplitter = {};
  }
}

void TAdditionalProxy::MouseButton(UINT message, const MOUSEHOOKSTRUCT& mouse) {
  const bool press = message == WM_LBUTTONDOWN;
  auto* window = dynamic_cast<TWinControl*>(FindControl(mouse.hwnd));
  // The enabled child without a window under the pointer: a disabled speed button is no click.
  TControl* child = nullptr;
  if (window) {
    POINT point = mouse.pt;
    ScreenToClient(mouse.hwnd, &point);
    child = window->ControlAtPos(point, false);
  }
  if (auto* button = dynamic_cast<TSpeedButton*>(child)) {
    // A click is a press and a release on the same button.
    if (press) {
      PressedSpeedButton = button;
    } else if (button == PressedSpeedButton) {
      WriteSpeedButtonClick(*button);
    }
  } else if (dynamic_cast<TSplitter*>(child) && press) {
    PressedSplitter = {mouse.hwnd, child};
  } else if (!press) {
    // The splitter has followed the pointer; wherever the release is, its drag ends here.
    if (auto* splitter = dynamic_cast<TSplitter*>(
            ChildStillHeld(PressedSplitter.Parent, PressedSplitter.Control))) {
      LogStream->WriteEvent(
          std::make_unique<TSplitterEvent>(GetControlName(*splitter), SplitterPosition(*splitter)));
    }
  } else if (auto* grid = dynamic_cast<TCustomGrid*>(window);
             grid && !dynamic_cast<TCustomOutline*>(grid)) {
    // Seen before the grid handles the press: the cell the grid stood at until now.
    CheckGridCell(*grid);
  }
}
