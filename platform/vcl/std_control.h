#pragma once
// What the standard windowed controls share: a click event with a link to an action (whose
// caption and enabled state the control shows), notifications to the parent window, the published
// TabOrder and TabStop, and item lists that tell their control when they change.

#include <functional>

#include "platform/classes.h"
#include "platform/vcl/win_control.h"
#include "platform/win32/controls_messages.h"

class TAction;

class TStdControl : public TWinControl {
  COMPONENT_CLASS(TStdControl)

 public:
  explicit TStdControl(TComponent* owner);
  ~TStdControl() override;

  TNotifyEvent OnClick;
  // OnClick when assigned, else the linked action's Execute.
  virtual void Click();
  void SetAction(TAction* value) override;

 protected:
  // WM_COMMAND to the parent window: the control's identifier (its handle) and the code in the
  // high word of wParam, the control's window in lParam.
  void NotifyParent(WORD code);
  // Takes over the linked action's caption and enabled state.
  virtual void ActionChanged(const TAction& action);
};

// TabOrder as every windowed control class publishes it: -1, the order of a control without a
// parent, is never stored.
inline constexpr TPublishedProperty kTabOrderProperty =
    Published<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder", {.Default = -1});

// TabStop as the classes publish it whose controls are tab stops unless told otherwise; their
// constructors turn it on.
inline constexpr TPublishedProperty kTabStopOnByDefault =
    Published<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", {.Default = true});

// A string list that calls OnChange after every change of its lines, or once at the end of an
// update (BeginUpdate, EndUpdate) that changed them; clearing the lines is reported at once.
class TItemStrings : public TStringList {
 public:
  std::function<void()> OnChange;

  int Add(const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Put(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Changed();

  bool FChangedInUpdate = false;
};

// The point a mouse message carries in lParam (signed client coordinates).
POINT PointOfMessage(LPARAM lParam);
