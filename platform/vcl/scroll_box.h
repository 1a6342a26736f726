#pragma once
// TScrollBox: a container that scrolls its controls. Its bars lie along its right and bottom
// edges when the controls reach beyond it; their gestures come to the box itself as WM_VSCROLL
// and WM_HSCROLL with lParam 0, and scrolling moves the controls.

#include "platform/vcl/scroll_gesture.h"
#include "platform/vcl/std_control.h"

class TScrollBox;

// One of a scrolling container's bars.
class TControlScrollBar {
 public:
  TControlScrollBar(TScrollBox& box, bool vertical) : FBox(box), FVertical(vertical) {}

  int Position() const { return FPosition; }
  // Scrolls the container's controls to the position, within 0 and the largest position.
  void SetPosition(int value);
  // How far the controls reach along this bar, the scroll position included.
  int Range() const;
  // The largest position: 0 when everything fits.
  int MaxPosition() const;
  // The centre of the thumb at a position, in the container's client coordinates.
  POINT ThumbPoint(int position) const;

 private:
  friend class TScrollBox;
  TScrollMetrics Metrics() const;
  int ClientLength() const;

  TScrollBox& FBox;
  bool FVertical;
  int FPosition = 0;
  TScrollGesture FGesture;
};

class TScrollBox : public TStdControl {
  COMPONENT_CLASS(TScrollBox)

 public:
  explicit TScrollBox(TComponent* owner);

  TControlScrollBar* HorzScrollBar() { return &FHorz; }
  TControlScrollBar* VertScrollBar() { return &FVert; }
  const TControlScrollBar* HorzScrollBar() const { return &FHorz; }
  const TControlScrollBar* VertScrollBar() const { return &FVert; }

  void WndProc(TMessage& message) override;

  // The thickness of the bars along the edges.
  static constexpr int kBarSize = 16;

 private:
  friend class TControlScrollBar;
  // The bar whose strip holds a client point, or nullptr.
  TControlScrollBar* BarAt(POINT point);
  void Send(const TControlScrollBar& bar, WORD code, int thumbPosition);
  // Hands a mouse message to the gesture of the bar it concerns; false when none does.
  bool BarGesture(const TMessage& message);

  TControlScrollBar FHorz{*this, false};
  TControlScrollBar FVert{*this, true};
  TControlScrollBar* FPressedBar = nullptr;
};
