// Panels and group boxes.

#include "platform/vcl/containers.h"

#include "platform/vcl/key_forwarding.h"

namespace {

constexpr TPublishedProperty kCaptionProperty[] = {
    Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
};

}  // namespace

const TComponentClass& TPanel::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TPanel",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kCaptionProperty,
      .Create = &ConstructComponent<TPanel>,
  });
  return cls;
}

const TComponentClass& TCustomGroupBox::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomGroupBox",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kCaptionProperty,
  });
  return cls;
}

void TCustomGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(message.WParam), Caption()) &&
      CanFocus()) {
    SelectFirst();
    message.Result = 1;
    return;
  }
  TStdControl::WndProc(message);
}

const TComponentClass& TGroupBox::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TGroupBox",
      .Parent = &TCustomGroupBox::StaticClass(),
      .Create = &ConstructComponent<TGroupBox>,
  });
  return cls;
}
