#pragma once
// TLabel: a caption drawn by its parent, without a window of its own. Its mnemonic ("&Name")
// moves the focus to its FocusControl when it shows mnemonics (ShowAccelChar). A new label is as
// tall as one line of the standard font, 13 pixels, as an auto-sized label is.

#include "platform/vcl/control.h"

class TLabel : public TControl {
  COMPONENT_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner);

  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value) { FShowAccelChar = value; }

  TNotifyEvent OnClick;

  void WndProc(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TWinControl* FFocusControl = nullptr;
  bool FShowAccelChar = true;
  bool FPressed = false;
};
