#pragma once
// TCheckListBox: a list box whose items carry check boxes. A press on an item's box (a square at
// the item's left, as wide as the item is high) toggles its check before the release tells the
// parent LBN_SELCHANGE, as any click on an item does; Space toggles the selected item's check.
// Each toggle runs OnClickCheck. The check states ride with their items (in each item's object
// slot), so they follow the items when lines are inserted, deleted or moved.
//
// Form files store the states as `Checked`, one line per item giving its state's ordinal (0
// unchecked, 1 checked, 2 grayed); the lines are applied once the items are read, whichever
// comes first in the file.

#include <vector>

#include "platform/vcl/list_box.h"
#include "platform/vcl/std_button.h"

class TCheckListBox : public TListBox {
  COMPONENT_CLASS(TCheckListBox)

 public:
  explicit TCheckListBox(TComponent* owner);

  // EListError for an index outside the items.
  TCheckBoxState State(int index) const;
  void SetState(int index, TCheckBoxState value);
  bool Checked(int index) const { return State(index) == cbChecked; }
  void SetChecked(int index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
  // A toggle then steps through the grayed state too.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  // Whether a client point lies on an item's check box.
  bool OnCheckBox(POINT point) const;

  TNotifyEvent OnClickCheck;

  void WndProc(TMessage& message) override;
  void ReadCompleted() override;

 private:
  void ToggleCheck(int index);
  std::vector<std::string> StateLines() const;
  void SetStateLines(const std::vector<std::string>& lines);
  // Sets the first items to `states` and the rest unchecked; ELineError for more states than
  // items.
  void ApplyStates(const std::vector<TCheckBoxState>& states);

  bool FAllowGrayed = false;
  std::vector<TCheckBoxState> FPendingStates;  // read from a form file before the items
};
