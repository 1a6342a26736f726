#pragma once
// TCustomForm and TForm: top-level windows that hold controls, remember which of them is active,
// and can be shown, closed, minimised and maximised; GetParentForm finds a control's form.

#include "platform/vcl/modal_result.h"
#include "platform/vcl/win_control.h"

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

class TCustomForm : public TWinControl {
  COMPONENT_CLASS(TCustomForm)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Makes the form visible and active, and gives the focus to its active control. A form that
  // is activated without an active control gives the focus to its first tab stop.
  void Show();
  // Hides the form; closing the application's main form ends the application. Closing a modal
  // form ends its ShowModal with mrCancel.
  void Close();

  // Shows the form and runs a message loop of its own until ModalResult is set (by a button with
  // a ModalResult, by code, or mrCancel by closing the form) or the application terminates
  // (mrCancel); the application's other forms are disabled meanwhile. Hides the form and answers
  // the result. Raises EInvalidOperation for a form that is showing already.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Modal() const { return FModal; }

  TWinControl* ActiveControl() const { return FActiveControl; }
  // Remembers the control to focus; focuses it at once when the form is showing.
  void SetActiveControl(TWinControl* control);
  // Makes `control` the active control and gives it the focus when the form is showing.
  void FocusControl(TWinControl* control);
  // Forgets the active control when it is `control` or lies inside it.
  void DefocusControl(const TControl* control);

  // The menu bar: its commands and popup notifications come to the form, which clicks the items.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value) { FBorderStyle = value; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState value);

  void SetVisible(bool value) override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TWinControl;
  // The focus came to `control` (the form itself, or a control on it), which becomes the active
  // control; answers whether it came from elsewhere rather than back to the control that had it
  // last.
  bool ControlFocused(TWinControl* control);
  // The modal loop is over: the form hides.
  void EndModal();

  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;  // the control that had the focus last
  TMainMenu* FMenu = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TWindowState FWindowState = wsNormal;
};

class TForm : public TCustomForm {
  COMPONENT_CLASS(TForm)

 public:
  using TCustomForm::TCustomForm;
};

// The form at the top of the control's parent chain (the control itself when it is a form), or
// nullptr when that top is not a form.
TCustomForm* GetParentForm(const TControl* control);
