#pragma once
// TTrackBar: a slider with a thumb between Min and Max. The control moves its own thumb and then
// tells its parent with WM_HSCROLL (horizontal) or WM_VSCROLL (vertical), its window in lParam:
// dragging the thumb reports TB_THUMBTRACK at each new position and TB_THUMBPOSITION at the
// release, a press on the channel beside the thumb TB_PAGEUP or TB_PAGEDOWN, and the arrow,
// page, Home and End keys TB_LINEUP ... TB_BOTTOM; every gesture ends with TB_ENDTRACK when the
// button or key is released, by which time Position is final. Program code that sets Position
// notifies nobody.

#include "platform/vcl/std_control.h"

enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TStdControl {
  COMPONENT_CLASS(TTrackBar)

 public:
  explicit TTrackBar(TComponent* owner);

  // A position is kept within Min and Max (Min when Max is below it); while a form file is read
  // the range and position may come in any order and are brought together at its end.
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation value) { FOrientation = value; }
  // How far an arrow key (LineSize) and a page key or a press beside the thumb (PageSize) move.
  int LineSize() const { return FLineSize; }
  void SetLineSize(int value) { FLineSize = value; }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value) { FPageSize = value; }

  // The centre of the thumb at a position, in client coordinates.
  POINT ThumbPoint(int position) const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  int Along(POINT point) const;
  int Length() const;
  int PositionAt(int along) const;
  int Clamped(int64_t position) const;
  // Moves the thumb and tells the parent the code (with the position for the thumb codes).
  void MoveTo(int64_t position, WORD code);
  void SendScroll(WORD code);
  void KeyDown(WPARAM key);

  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  int FLineSize = 1;
  int FPageSize = 2;
  bool FPressed = false;   // a mouse gesture is on
  bool FDragging = false;  // the press took the thumb
};
