#pragma once
// TScrollBar: a scroll bar control. Its gestures go to its parent as WM_HSCROLL or WM_VSCROLL
// with the bar's window in lParam; the parent reflects them back and the bar moves to the
// position they lead to, so that its Position is final when SB_ENDSCROLL arrives.

#include "platform/vcl/scroll_gesture.h"
#include "platform/vcl/std_control.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TStdControl {
  COMPONENT_CLASS(TScrollBar)

 public:
  explicit TScrollBar(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind value) { FKind = value; }
  int Position() const { return FPosition; }
  // Moves the thumb without a message, as program code does.
  void SetPosition(int value);
  int Min() const { return FMin; }
  void SetMin(int value) { FMin = value; }
  int Max() const { return FMax; }
  void SetMax(int value) { FMax = value; }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value) { FSmallChange = value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int value) { FLargeChange = value; }

  // The centre of the thumb at a position, in client coordinates.
  POINT ThumbPoint(int position) const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 private:
  TScrollMetrics Metrics() const;
  int Along(LPARAM lParam) const;
  void Send(WORD code, int thumbPosition);

  TScrollBarKind FKind = sbHorizontal;
  int FPosition = 0;
  int FMin = 0;
  int FMax = 100;
  int FSmallChange = 1;
  int FLargeChange = 1;
  TScrollGesture FGesture;
};
