// The LogEvents dialog's geometry: two lists side by side under their labels, the move buttons
// centred in the gap between them, a line across the bottom and the OK and Cancel buttons under
// it at the right.

#include "capture/log_events_layout.h"

#include <cstddef>

namespace {

constexpr int kMargin = 6;
constexpr int kLabelGap = 4;    // between a label and its list
constexpr int kColumnGap = 16;  // from the middle to the right-hand column
constexpr int kListInset = 22;  // the left list ends this far before the middle
constexpr int kMoveButtonSize = 20;
constexpr int kMoveButtonStep = 26;
constexpr int kMoveColumnHeight = 98;  // four buttons and the three gaps between them
constexpr int kFooterHeight = 37;      // from the line to the bottom edge
constexpr int kBevelHeight = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 81;  // from one bottom button's left edge to the next

}  // namespace

TLogEventsLayout LayoutLogEventsDialog(int clientWidth, int clientHeight, int labelHeight) {
  const int half = clientWidth / 2;
  const int listTop = kMargin + labelHeight + kLabelGap;
  const int bevelTop = clientHeight - kFooterHeight;
  const int listHeight = bevelTop - kMargin - listTop;
  const int listWidth = half - kListInset;
  const int rightColumn = half + kColumnGap;
  const int columnTop = listTop + (listHeight - kMoveColumnHeight) / 2;
  const int buttonTop = bevelTop + kBevelHeight;

  TLogEventsLayout layout;
  layout.LoggedLabel = {kMargin, kMargin, half - kMargin, labelHeight};
  layout.UnloggedLabel = {rightColumn, kMargin, half - kColumnGap, labelHeight};
  layout.LoggedList = {kMargin, listTop, listWidth, listHeight};
  layout.UnloggedList = {rightColumn, listTop, listWidth, listHeight};
  for (int i = 0; i < 4; ++i)
    layout.MoveButtons[static_cast<size_t>(i)] = {half - kMoveButtonSize / 2,
                                                  columnTop + i * kMoveButtonStep, kMoveButtonSize,
                                                  kMoveButtonSize};
  layout.Bevel = {kMargin, bevelTop, clientWidth - 2 * kMargin, kBevelHeight};
  layout.OKButton = {clientWidth - 2 * kButtonStep, buttonTop, kButtonWidth, kButtonHeight};
  layout.CancelButton = {clientWidth - kButtonStep, buttonTop, kButtonWidth, kButtonHeight};
  return layout;
}
