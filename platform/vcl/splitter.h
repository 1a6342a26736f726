#pragma once
// TSplitter: a bar without a window of its own, aligned to a side of its parent, that the user
// drags with the left button to resize the control aligned beside it on that side (its
// neighbour). The parent keeps giving the splitter the mouse while the button is held; each move
// resizes the neighbour, and the parent's layout moves the splitter along with it. The neighbour
// is never made smaller than MinSize, nor so large that less than MinSize is left for the rest of
// the parent.

#include "platform/vcl/control.h"

class TSplitter : public TControl {
  COMPONENT_CLASS(TSplitter)

 public:
  explicit TSplitter(TComponent* owner);

  // At least 1.
  int MinSize() const { return FMinSize; }
  void SetMinSize(int value);
  // The visible, enabled sibling of the same alignment just beyond the splitter's aligned side
  // (left of a left-aligned splitter, below a bottom-aligned one), or nullptr.
  TControl* Neighbour() const;
  // Whether a drag is under way.
  bool Dragging() const { return FNeighbour != nullptr; }

  TNotifyEvent OnMoved;

  void WndProc(TMessage& message) override;

 protected:
  bool CapturesMouse() const override { return true; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Horizontal() const;  // resizes widths (aligned left or right)
  void BeginDrag(POINT parentPoint);
  void DragTo(POINT parentPoint);
  void EndDrag();

  int FMinSize = 30;
  TControl* FNeighbour = nullptr;  // the control being resized while the button is held
  int FDownPosition = 0;           // the press, in the parent's coordinates along the drag
  int FStartSize = 0;              // the neighbour's size at the press
  int FMaxSize = 0;
};
