#pragma once
// TSpeedButton: a button without a window of its own, drawn and hit-tested by its parent, which
// hands it the mouse. A press and a release of the left button over the button clicks it; a
// release elsewhere (over another button too) clicks nothing, since the parent keeps giving the
// pressed button the mouse until the release. Buttons of one GroupIndex (not 0) under the same
// parent stay down one at a time, like radio buttons; AllowAllUp lets the down one come up again.
// Its mnemonic ("&Bold" answers to Alt+B) clicks it directly.

#include "platform/vcl/control.h"

class TSpeedButton : public TControl {
  COMPONENT_CLASS(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  // Whether the button stays down. A button outside a group (GroupIndex 0) never does; the down
  // button of a group comes up only when the group allows all up. Putting one down brings the
  // group's other buttons up.
  bool Down() const { return FDown; }
  void SetDown(bool value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value) { FFlat = value; }
  // Whether the left button went down over the button and is still held.
  bool Pressed() const { return FPressed; }

  TNotifyEvent OnClick;
  // A group's button goes down (or, allowing all up, comes up when it was down); then OnClick
  // when assigned, else the action's Execute.
  virtual void Click();

  void SetAction(TAction* value) override;
  void WndProc(TMessage& message) override;

 protected:
  bool CapturesMouse() const override { return true; }

 private:
  // The other buttons of the group under the same parent.
  void ReleaseGroup();

  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FPressed = false;
};
