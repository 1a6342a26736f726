// TLabel: mnemonics that focus another control, and clicks passed on by the parent.

#include "platform/vcl/label.h"

#include <utility>

#include "platform/vcl/key_forwarding.h"

const TComponentClass& TLabel::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TLabel::FocusControl, &TLabel::SetFocusControl>("FocusControl"),
      Published<&TLabel::ShowAccelChar, &TLabel::SetShowAccelChar>("ShowAccelChar",
                                                                   {.Default = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TLabel",
      .Parent = &TControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TLabel>,
  });
  return cls;
}

// A label sizes itself to one line of its text in the standard font.
constexpr int kLineHeight = 13;

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetHeight(kLineHeight); }

void TLabel::SetFocusControl(TWinControl* value) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      FPressed = true;
      break;
    case WM_LBUTTONUP:
      if (std::exchange(FPressed, false) && OnClick) OnClick(this);
      break;
    case CM_DIALOGCHAR:
      if (FFocusControl && Enabled() && FShowAccelChar &&
          IsAccel(static_cast<WORD>(message.WParam), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        message.Result = 1;
      }
      break;
  }
}
