#pragma once
// Where the controls of the LogEvents dialog go: every position and size follows from the
// dialog's client size and the height of its labels, so the dialog lays itself out the same way
// whatever size its frame leaves it.

#include <array>

struct TControlBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  bool operator==(const TControlBounds&) const = default;
};

struct TLogEventsLayout {
  TControlBounds LoggedLabel;
  TControlBounds UnloggedLabel;
  TControlBounds LoggedList;
  TControlBounds UnloggedList;
  // ">>", ">", "<", "<<", top to bottom in the column between the lists.
  std::array<TControlBounds, 4> MoveButtons;
  TControlBounds Bevel;
  TControlBounds OKButton;
  TControlBounds CancelButton;
};

// The dialog's own place and size before it lays out its controls.
inline constexpr TControlBounds kLogEventsDialogBounds{40, 40, 400, 300};

TLogEventsLayout LayoutLogEventsDialog(int clientWidth, int clientHeight, int labelHeight);
