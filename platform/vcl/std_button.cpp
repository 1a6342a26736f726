// Push buttons, check boxes and radio buttons.

#include "platform/vcl/std_button.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/vcl/form.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/vcl/keyboard.h"

namespace {

constexpr std::string_view kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

}  // namespace

// ---- TButtonControl -----------------------------------------------------------------------------

const TComponentClass& TButtonControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TButtonControl",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus()) SetFocus();
      FPressed = true;
      return;
    case WM_LBUTTONUP:
      // The release reaches the button only when the pointer is still over it.
      if (std::exchange(FPressed, false)) Pressed();
      return;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) FPressed = true;
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE && std::exchange(FPressed, false)) Pressed();
      break;
    case BM_CLICK:
      Pressed();
      return;
    case WM_GETDLGCODE:
      message.Result = DialogCode();
      return;
    case CN_COMMAND:
      Notified(HIWORD(message.WParam));
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(message.WParam), Caption()) && CanFocus()) {
        MnemonicTyped();
        message.Result = 1;
        return;
      }
      break;
  }
  TStdControl::WndProc(message);
}

// ---- TButton ------------------------------------------------------------------------------------

const TComponentClass& TButton::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TButton::Default, &TButton::SetDefault>("Default", {.Default = false}),
      Published<&TButton::Cancel, &TButton::SetCancel>("Cancel", {.Default = false}),
      Published<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult", {.Default = 0}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TButton",
      .Parent = &TButtonControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TButton>,
  });
  return cls;
}

LRESULT TButton::DialogCode() const {
  return DLGC_BUTTON | (FDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::Click() {
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

void TButton::Notified(WORD code) {
  if (code == BN_CLICKED) Click();
}

bool TButton::TakesDialogKey(WPARAM key, LPARAM keyData) {
  if (!KeyDataToShiftState(keyData).Empty() || !CanFocus()) return false;
  if (key == VK_ESCAPE) return FCancel;
  if (key != VK_RETURN) return false;
  if (Focused()) return true;
  return FDefault && !dynamic_cast<TButton*>(FindControl(GetFocus()));
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && TakesDialogKey(message.WParam, message.LParam)) {
    NotifyParent(BN_CLICKED);
    message.Result = 1;
    return;
  }
  TButtonControl::WndProc(message);
}

// ---- TCheckBox ----------------------------------------------------------------------------------

const TComponentClass& TCheckBox::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed>("AllowGrayed",
                                                                     {.Default = false}),
      Published<&TCheckBox::Checked, &TCheckBox::SetChecked>("Checked", {.Stored = NeverStored}),
      Published<&TCheckBox::State, &TCheckBox::SetState>(
          "State", {.ValueNames = kCheckBoxStateNames, .Default = cbUnchecked}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCheckBox",
      .Parent = &TButtonControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TCheckBox>,
  });
  return cls;
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
  else
    FState = value;
  if (!Loading()) Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked:
      SetState(cbChecked);
      break;
    case cbChecked:
      SetState(FAllowGrayed ? cbGrayed : cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbUnchecked);
      break;
  }
}

void TCheckBox::Pressed() {
  Toggle();
  NotifyParent(BN_CLICKED);
}

void TCheckBox::MnemonicTyped() {
  SetFocus();
  Toggle();
}

void TCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case BM_GETCHECK:
      message.Result = FState;
      return;
    case BM_SETCHECK:
      FState = message.WParam <= cbGrayed ? static_cast<TCheckBoxState>(message.WParam) : cbChecked;
      return;
  }
  TButtonControl::WndProc(message);
}

// ---- TRadioButton -------------------------------------------------------------------------------

const TComponentClass& TRadioButton::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked", {.Default = false}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TRadioButton",
      .Parent = &TButtonControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TRadioButton>,
  });
  return cls;
}

void TRadioButton::SetChecked(bool value) {
  if (value == FChecked) return;
  SetTabStop(value);  // Tab reaches a group of radio buttons at its checked one only
  if (HandleAllocated())
    SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  else
    FChecked = value;
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void TRadioButton::Pressed() {
  SetChecked(true);
  NotifyParent(BN_CLICKED);
}

void TRadioButton::MnemonicTyped() {
  SetFocus();
  SetChecked(true);
}

void TRadioButton::MoveToNeighbour(bool forward) {
  std::vector<TRadioButton*> group;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* radio = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (radio && (radio == this || radio->CanFocus())) group.push_back(radio);
  }
  const size_t count = group.size();
  const auto at = static_cast<size_t>(std::find(group.begin(), group.end(), this) - group.begin());
  TRadioButton* next = group[forward ? (at + 1) % count : (at + count - 1) % count];
  if (next == this) return;
  next->SetFocus();
  next->Pressed();
}

void TRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGKEY: {
      const WPARAM key = message.WParam;
      const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
      if (!arrow || !Focused() || KeyDataToShiftState(message.LParam).Contains(ssAlt)) break;
      MoveToNeighbour(key == VK_RIGHT || key == VK_DOWN);
      message.Result = 1;
      return;
    }
    case BM_GETCHECK:
      message.Result = FChecked ? BST_CHECKED : BST_UNCHECKED;
      return;
    case BM_SETCHECK:
      FChecked = message.WParam == BST_CHECKED;
      return;
  }
  TButtonControl::WndProc(message);
}
