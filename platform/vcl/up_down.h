#pragma once
// TUpDown: a pair of arrow buttons that step a position between Min and Max. Each click on an
// arrow asks the parent with UDN_DELTAPOS (a non-zero answer refuses the step), moves the
// position (wrapping round the range with Wrap), shows it in the associated control, and tells the
// parent WM_VSCROLL (WM_HSCROLL when horizontal) SB_THUMBPOSITION with the new position while the
// button is down and SB_ENDSCROLL when it is released, the up-down's window in lParam. With
// ArrowKeys, the arrow keys do the same while the up-down has the focus (Up and Right step up).
// Positions are 16-bit, as the window's UDM_GETPOS answers them in its low word.

#include "platform/vcl/std_control.h"

enum TUDOrientation { udHorizontal, udVertical };
// The arrow that increases the position (up, or right) and the one that decreases it.
enum TUDBtnType { btNext, btPrev };

class TUpDown : public TStdControl {
  COMPONENT_CLASS(TUpDown)

 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;

  // Within -32768 and 32767; a position is kept within Min and Max (while a form file is read,
  // once it is read).
  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value; }
  bool Wrap() const { return FWrap; }
  void SetWrap(bool value) { FWrap = value; }
  bool ArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool value) { FArrowKeys = value; }
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation value) { FOrientation = value; }
  // The control that shows the position as its text (an edit, usually); nullptr for none.
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* value);

  // Where the user clicks an arrow, in client coordinates.
  POINT ButtonPoint(TUDBtnType button) const;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int Clamped(int position) const;
  // One step of an arrow pressed: UDN_DELTAPOS, the new position, SB_THUMBPOSITION.
  void Step(TUDBtnType button);
  void SendScroll(WORD code);
  void ShowInAssociate();
  // The arrow that a key steps, or nothing for other keys.
  bool ArrowOfKey(WPARAM key, TUDBtnType& button) const;

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  bool FWrap = false;
  bool FArrowKeys = true;
  TUDOrientation FOrientation = udVertical;
  TWinControl* FAssociate = nullptr;
  bool FPressed = false;  // an arrow is held down with the mouse
};
