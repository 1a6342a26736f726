#pragma once
// TBevel: a line or frame drawn by its parent to group or separate controls, without a window
// of its own. It only decorates and does nothing with the mouse messages its parent hands it.

#include "platform/vcl/control.h"

// A box (its area sunk or raised), a frame round it, one of its edges, or nothing (a spacer).
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TControl {
  COMPONENT_CLASS(TBevel)

 public:
  using TControl::TControl;

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape value) { FShape = value; }
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle value) { FStyle = value; }

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
