// The control a mnemonic key activates.

#include "families/qv_utils.h"

#include <optional>

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/form.h"
#include "platform/vcl/keyboard.h"
#include "platform/vcl/stdctrls.h"

namespace {

// The answer of `control` or of the first of its descendants that answers the key: the control
// the key activates, nullptr for a group box without controls (it takes the key all the same, so
// no later control is activated by it); nothing when none of them answers.
std::optional<TControl*> FindAcceleratorControl(TControl& control, WORD key) {
  const bool mnemonic = IsAccel(key, control.Caption());
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const bool canFocus = windowed && windowed->CanFocus();

  if (dynamic_cast<TSpeedButton*>(&control) && control.Enabled() && mnemonic) return &control;
  if (auto* group = dynamic_cast<TCustomGroupBox*>(&control); group && canFocus && mnemonic) {
    return group->ControlCount() > 0 ? group->Controls(0) : nullptr;
  }
  if (auto* label = dynamic_cast<TLabel*>(&control);
      label && label->Enabled() && label->ShowAccelChar() && label->FocusControl() && mnemonic) {
    return label->FocusControl();
  }
  const bool button = dynamic_cast<TButton*>(&control) || dynamic_cast<TCheckBox*>(&control) ||
                      dynamic_cast<TRadioButton*>(&control);
  if (button && canFocus && mnemonic) return &control;
  // A tool button answers its mnemonic whatever its state: its tool bar decides what it does.
  if (dynamic_cast<TToolButton*>(&control) && mnemonic) return &control;

  if (!windowed) return std::nullopt;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    if (auto found = FindAcceleratorControl(*windowed->Controls(i), key)) return found;
  }
  return std::nullopt;
}

}  // namespace

TControl* GetAcceleratorControl(const TWinControl& control, WORD key) {
  TCustomForm* form = GetParentForm(&control);
  return form ? FindAcceleratorControl(*form, key).value_or(nullptr) : nullptr;
}
