#pragma once
// TPageScroller: a strip that shows part of a wider (or taller) child control and scrolls it with
// arrow buttons at its ends. An arrow is shown only while the child can move that way. A click on
// one tells the parent PGN_SCROLL with the direction and the distance it proposes (the length of
// the strip between the arrows), which the parent, or the scroller's OnScroll, may change; then
// Position, the distance scrolled from the child's start, moves by that much within the child's
// extent. The arrows lie over the child, outside the part of the scroller that shows it: they are
// native windows of their own above the child's, not controls of the framework.

#include <functional>

#include "platform/vcl/std_control.h"
#include "platform/win32/commctrl.h"

enum TPageScrollerOrientation { soHorizontal, soVertical };
enum TPageScrollerButton { sbFirst, sbLast };

class TPageScroller : public TWinControl {
  COMPONENT_CLASS(TPageScroller)

 public:
  explicit TPageScroller(TComponent* owner);
  ~TPageScroller() override;

  // The wide child; it must be a child of the scroller (a form file sets it after its objects).
  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* value);
  TPageScrollerOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPageScrollerOrientation value);
  // From 0 to the child's extent less the visible length.
  int Position() const { return FPosition; }
  void SetPosition(int value);
  int ButtonSize() const { return FButtonSize; }
  void SetButtonSize(int value);
  // The greatest position: how far the child reaches beyond the visible length.
  int MaxPosition() const;

  // Whether an arrow is shown (the child can move that way), and where the user clicks it, in
  // client coordinates.
  bool ButtonVisible(TPageScrollerButton button) const;
  POINT ButtonPoint(TPageScrollerButton button) const;

  // The scroll the parent was told of (PGN_SCROLL's record), which the handler may change.
  std::function<void(TObject* sender, NMPGSCROLL& scroll)> OnScroll;

  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Creates the child's window and then the arrows', which must lie above it.
  void CreateWnd() override;

 private:
  friend LRESULT PageScrollerArrowProc(HWND, UINT, WPARAM, LPARAM);
  void Scroll(TPageScrollerButton button);
  // Puts the child where the position shows it, and shows the arrows that can scroll.
  void PlaceControl();
  // Makes the arrows' windows anew, above the child's, and places them.
  void CreateArrows();
  void PlaceArrows();
  int VisibleLength() const;
  RECT ButtonRect(TPageScrollerButton button) const;

  HWND FArrows[2] = {0, 0};  // the first and last arrow's windows
  bool FArrowHeld = false;   // the mouse button is down on an arrow

  TWinControl* FControl = nullptr;
  TPageScrollerOrientation FOrientation = soHorizontal;
  int FPosition = 0;
  int FButtonSize = 12;
};
