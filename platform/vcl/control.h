#pragma once
// TControl: a component with a place on the screen. It has a parent container, bounds in its
// parent's client coordinates, a caption, enabled and visible flags, an action and a popup menu.
// A control without a window of its own is painted by its parent and found by hit-testing it.

#include <functional>
#include <string>

#include "platform/vcl/component.h"
#include "platform/win32/windows.h"

class TAction;
class TPopupMenu;
class TWinControl;

// Whether a press of the left button starts dragging the control (dmAutomatic) or only code does.
enum TDragMode { dmManual, dmAutomatic };
// What a drag does over the control it asks: comes onto it, moves over it, leaves it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// The drag events: the target is asked whether it accepts the source (`accept` starts true), is
// given it on a drop, and the source hears of the end with its target, nullptr when none took it.
// Points are in the client coordinates of the target.
using TDragOverEvent = std::function<void(TObject* sender, TObject* source, int x, int y,
                                          TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;

// Where a control keeps itself in its parent: at no side (where its bounds put it), along the top
// or bottom edge (full width), the left or right edge (full height), or over what the others
// leave (the client).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
  COMPONENT_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The size of the area inside the control's frame. The simulated windows draw no frames, so it
  // is the control's own size.
  int ClientWidth() const { return FWidth; }
  int ClientHeight() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  // An aligned control's parent lays it out whenever the parent is resized, and whenever the
  // control changes its alignment, its size or its visibility.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);

  // Caption and Text are the same string: what the control shows.
  std::string Caption() const { return DoGetText(); }
  void SetCaption(const std::string& value) { DoSetText(value); }
  std::string Text() const { return DoGetText(); }
  void SetText(const std::string& value) { DoSetText(value); }

  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value);

  // The hint the control shows under the pointer, when its ShowHint is on. With ParentShowHint
  // (the default) ShowHint is its parent's; setting ShowHint turns ParentShowHint off.
  std::string Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value);

  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  // Starts dragging the control: at once, or once the pointer moves `threshold` pixels (5 when
  // negative) from where it is. Nothing happens while another drag is under way.
  void BeginDrag(bool immediate, int threshold = -1);
  // Ends this control's drag, dropping it where the pointer is when `drop` and the control there
  // accepts it.
  void EndDrag(bool drop);
  bool Dragging() const;
  // Called when a drag from the control begins (the pointer passed the threshold, or the drag
  // began at once), before OnStartDrag: a control that deferred something its press would do
  // until the release learns that the press became a drag.
  virtual void DragStarting() {}

  TNotifyEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

  TAction* Action() const { return FAction; }
  virtual void SetAction(TAction* value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* value);

  // A point in this control's client coordinates in screen coordinates.
  POINT ClientToScreen(POINT point) const;
  // The screen position of the client area's top left corner.
  virtual POINT ClientOrigin() const;

  // Sends a message straight to the control's message handling, without a window.
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  // Handles a message. A control without a window does nothing with it by default.
  virtual void WndProc(TMessage& message);

  bool HasParent() const override { return FParent != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  // Whether the parent keeps handing this control (without a window) the mouse from a press of the
  // left button over it until the release, wherever the pointer goes.
  virtual bool CapturesMouse() const { return false; }
  virtual std::string DoGetText() const { return FText; }
  virtual void DoSetText(const std::string& value) { FText = value; }
  void Notification(TComponent* component, TOperation operation) override;

  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  std::string FText;
  bool FEnabled = true;
  bool FVisible = true;

 private:
  // Asks the parent to lay out its aligned children again, when this one is aligned.
  void RequestAlign();

  friend class TWinControl;
  TWinControl* FParent = nullptr;
  TAction* FAction = nullptr;
  TPopupMenu* FPopupMenu = nullptr;
  TAlign FAlign = alNone;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TDragMode FDragMode = dmManual;
};
