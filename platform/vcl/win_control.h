#pragma once
// TWinControl: a control with a window of its own, created on demand, that contains child
// controls. Its window class is its class name; the window procedure routes every message to the
// object's WndProc, and each child window's control identifier is its own handle, so that the low
// word of a WM_COMMAND names the control. A windowed control destroys its child controls with
// itself, whoever owns them: like owned components, children are allocated with new.

#include <string>
#include <vector>

#include "platform/vcl/control.h"
#include "platform/win32/commctrl.h"

// Messages the framework reflects from a parent back to the child control that sent them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
// Key messages the framework forwards to the focused control before it handles them.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Messages between the framework's controls.
constexpr UINT CM_BASE = 0xB000;
// To a child without a window that held the mouse, when its parent's window lost the capture
// before the button came up: the press is over.
constexpr UINT CM_CANCELMODE = CM_BASE + 4;

// What CreateParams fills in before the window is created.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = 0;
  std::string WinClassName;
};

class TWinControl : public TControl {
  COMPONENT_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created (with the windows of the parents and children) on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != 0; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  // Child controls: those without a window first, then the windowed ones, each in insertion order,
  // so that later and windowed children lie on top.
  int ControlCount() const;
  TControl* Controls(int index) const;  // raises EListError out of range
  // The topmost visible child under a point of the client area, or nullptr.
  TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls = false) const;
  // Lays out the visible aligned children: those along the top edge (in the order of their tops),
  // then along the bottom (nearest the bottom first), the left (in the order of their lefts) and
  // the right (nearest the right first), each taking its strip of what the earlier ones left; the
  // client-aligned ones fill the rest. Children without an alignment keep their bounds.
  void AlignControls();
  // Whether `control` is this control, one of its children or a child's descendant.
  bool ContainsControl(const TControl* control) const;

  // True when the control lies on a form and it and every parent up to the form are visible and
  // enabled.
  bool CanFocus() const;
  bool Focused() const;
  // Raises EInvalidOperation when the control cannot take the focus.
  virtual void SetFocus();

  // Whether Tab stops at the control (WS_TABSTOP on its window). Off unless the class turns it on.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // The control's place among its parent's windowed children as Tab visits them; -1 without a
  // parent. Setting it moves the control there, kept within the order's bounds. A value read from
  // a form file waits until the parent has all its children (the parent's ReadCompleted).
  int TabOrder() const;
  void SetTabOrder(int value);
  // The windowed controls inside this one in tab order, each followed by those inside it.
  std::vector<TWinControl*> TabOrderList() const;
  // The control after (or before) `current` in TabOrderList, round the end, that can take the
  // focus and, as asked, is a tab stop and a child of this control; `current` itself when it is
  // the only one; nullptr when there is none. Without `current` the search starts at the ends.
  TWinControl* FindNextControl(const TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  // Makes the first tab stop inside this control (or else the first control that can take the
  // focus) its form's active control.
  void SelectFirst();

  void SetBounds(int left, int top, int width, int height) override;
  void SetEnabled(bool value) override;
  void SetVisible(bool value) override;
  void SetParent(TWinControl* parent) override;
  POINT ClientOrigin() const override;

  // Default handling: keeps bounds in step with the window, tracks the form's active control,
  // reflects notifications to the child that sent them, hands mouse messages over a child without
  // a window to that child, looks for shortcuts in forwarded keys, offers dialog keys and
  // characters to the children, shows popup menus, and passes everything to DefWindowProcA.
  void WndProc(TMessage& message) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
  // Puts the children at the tab orders their form file gave them.
  void ReadCompleted() override;
  // Lays out the aligned children that the form file gave.
  void Loaded() override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Creates the window; overrides may add native child windows after calling this one.
  virtual void CreateWnd();
  std::string DoGetText() const override;
  void DoSetText(const std::string& value) override;
  // The default window procedure for this control's window.
  void DefaultHandler(TMessage& message);
  // Sends WM_NOTIFY to the parent window with `header` (and the record it begins) filled in as
  // from this control: its window, its identifier (the handle) and `code`. Answers the parent's
  // result.
  LRESULT NotifyParentWindow(UINT code, NMHDR& header);
  // The focus came to this control's window (or to a native window inside it): the control
  // becomes its form's active control, and DoEnter runs when the focus came from elsewhere.
  void FocusReceived();
  // The focus entered the control from another control of its form or from the form itself, not
  // back to it with the form's activation.
  virtual void DoEnter() {}

 private:
  friend class TControl;
  friend LRESULT ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateBounds();
  bool ReflectToChild(TMessage& message);
  bool ReflectNotifyToChild(TMessage& message);
  bool ForwardMouseToChild(TMessage& message);
  // The child without a window that the mouse was handed to at a press, or nullptr once the
  // release came or the window lost the mouse capture.
  TControl* MouseCaptureChild();
  void ReleaseMouseCaptureChild();
  bool ShowPopupAt(POINT screenPoint);
  void WindowDestroyed();
  // Moves the control within its parent's tab order, `value` clamped to the order's bounds.
  void UpdateTabOrder(int value);
  void FixupTabList();

  HWND FHandle = 0;
  std::vector<TControl*> FControls;        // children without a window
  std::vector<TWinControl*> FWinControls;  // windowed children
  std::vector<TWinControl*> FTabList;      // windowed children in tab order
  bool FTabStop = false;
  int FTabOrder = -1;  // the place a form file gave, taken once the parent is read
  bool FAligning = false;
  TControl* FMouseControl = nullptr;  // the child that holds the mouse while the button is down
};

// The framework control whose window `handle` is (its 16-bit form too), or nullptr for windows
// that are not the framework's, stale handles and 0.
TControl* FindControl(HWND handle);
