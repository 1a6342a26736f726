// TSpeedButton: clicks passed on by the parent, groups of buttons that stay down, mnemonics.

#include "platform/vcl/speed_button.h"

#include <utility>

#include "platform/vcl/actions.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/vcl/std_control.h"

const TComponentClass& TSpeedButton::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp",
                                                                         {.Default = false}),
      Published<&TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex",
                                                                         {.Default = 0}),
      // Set once the group is known, wherever the file gives it.
      Published<&TSpeedButton::Down, &TSpeedButton::SetDown>(
          "Down", {.Default = false, .AfterLists = true}),
      Published<&TSpeedButton::Flat, &TSpeedButton::SetFlat>("Flat", {.Default = false}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TSpeedButton",
      .Parent = &TControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TSpeedButton>,
  });
  return cls;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
  SetBounds(0, 0, 23, 22);  // the framework's size for a new speed button
}

TSpeedButton::~TSpeedButton() { SetAction(nullptr); }

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = value;
  if (value) ReleaseGroup();
}

void TSpeedButton::SetGroupIndex(int value) {
  FGroupIndex = value;
  if (value == 0)
    FDown = false;
  else if (FDown)
    ReleaseGroup();
}

void TSpeedButton::SetAllowAllUp(bool value) { FAllowAllUp = value; }

void TSpeedButton::ReleaseGroup() {
  TWinControl* parent = Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex) other->FDown = false;
  }
}

void TSpeedButton::SetAction(TAction* value) {
  if (Action()) Action()->Unlink(this);
  TControl::SetAction(value);
  if (value)
    value->Link(this, [this](const TAction& action) {
      SetCaption(action.Caption());
      SetEnabled(action.Enabled());
    });
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) SetDown(!FDown);
  if (OnClick)
    OnClick(this);
  else if (Action())
    Action()->Execute();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FPressed = Enabled();
      return;
    case WM_LBUTTONUP: {
      // The parent hands the pressed button the release wherever it happens: over the button
      // it is a click.
      const POINT point = PointOfMessage(message.LParam);
      const bool over = point.x >= 0 && point.x < Width() && point.y >= 0 && point.y < Height();
      if (std::exchange(FPressed, false) && over && Enabled()) Click();
      return;
    }
    case CM_CANCELMODE:
      FPressed = false;
      return;
    case CM_DIALOGCHAR:
      if (Enabled() && Visible() && Parent() && Parent()->CanFocus() &&
          IsAccel(static_cast<WORD>(message.WParam), Caption())) {
        Click();
        message.Result = 1;
      }
      return;
  }
  TControl::WndProc(message);
}
