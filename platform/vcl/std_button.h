#pragma once
// Buttons: push buttons, check boxes and radio buttons. A mouse press and release on the button,
// or Space while it has the focus, is a click: a push button tells its parent (BN_CLICKED) and
// clicks when the notification comes back; a check box or radio button first sets its own new
// check state with BM_SETCHECK, then tells its parent. A mnemonic ("&OK" answers to Alt+O)
// clicks, focuses or checks the button directly. The arrow keys move from a radio button to the
// previous (Up, Left) or next (Down, Right) radio button beside it and click that one. Push
// buttons and check boxes are tab stops; a radio button is one while it is checked.

#include "platform/vcl/modal_result.h"
#include "platform/vcl/std_control.h"

class TButtonControl : public TStdControl {
  COMPONENT_CLASS(TButtonControl)

 public:
  using TStdControl::TStdControl;
  void WndProc(TMessage& message) override;

 protected:
  virtual LRESULT DialogCode() const { return DLGC_BUTTON; }
  // The user pressed and released the button with the mouse or Space, or BM_CLICK came.
  virtual void Pressed() = 0;
  // The button's mnemonic was typed.
  virtual void MnemonicTyped() = 0;
  // The parent reflected a notification of this button back to it.
  virtual void Notified(WORD) {}

 private:
  bool FPressed = false;
};

class TButton : public TButtonControl {
  COMPONENT_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner) : TButtonControl(owner) { SetTabStop(true); }

  // Enter clicks the default button unless another button has the focus; Esc the cancel button.
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  // A click first gives the button's form this result (unless it is mrNone), which ends the
  // form's ShowModal.
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  LRESULT DialogCode() const override;
  void Pressed() override { NotifyParent(BN_CLICKED); }
  void MnemonicTyped() override { Click(); }
  void Notified(WORD code) override;

 private:
  bool TakesDialogKey(WPARAM key, LPARAM keyData);

  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
  COMPONENT_CLASS(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner) : TButtonControl(owner) { SetTabStop(true); }

  TCheckBoxState State() const { return FState; }
  // Sends the new state to the window (BM_SETCHECK) and clicks, when it changes.
  void SetState(TCheckBoxState value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  // A click then steps through the grayed state too.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }

  void WndProc(TMessage& message) override;

 protected:
  void Pressed() override;
  void MnemonicTyped() override;

 private:
  void Toggle();

  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

class TRadioButton : public TButtonControl {
  COMPONENT_CLASS(TRadioButton)

 public:
  using TButtonControl::TButtonControl;

  bool Checked() const { return FChecked; }
  // Sends the new state to the window (BM_SETCHECK) and makes the button a tab stop exactly when
  // it is checked; checking unchecks the radio buttons beside it and clicks.
  void SetChecked(bool value);

  void WndProc(TMessage& message) override;

 protected:
  LRESULT DialogCode() const override { return DLGC_BUTTON | DLGC_RADIOBUTTON; }
  void Pressed() override;
  void MnemonicTyped() override;

 private:
  // Focuses and clicks the previous or next radio button in the same parent, round the end,
  // passing over those that cannot take the focus.
  void MoveToNeighbour(bool forward);

  bool FChecked = false;
};
