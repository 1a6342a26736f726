#pragma once
// TRadioGroup: a group box with one radio button per line of Items, laid out in Columns, column
// by column. ItemIndex is the checked button; a click on a button checks it (the button sends
// itself BM_SETCHECK) and makes it the group's choice.

#include <vector>

#include "platform/vcl/containers.h"
#include "platform/vcl/std_button.h"

// The radio buttons a radio group makes for its items.
class TGroupButton : public TRadioButton {
  COMPONENT_CLASS(TGroupButton)

 public:
  using TRadioButton::TRadioButton;
};

class TRadioGroup : public TCustomGroupBox {
  COMPONENT_CLASS(TRadioGroup)

 public:
  explicit TRadioGroup(TComponent* owner);

  TStrings* Items() const { return &FItems; }
  int ItemIndex() const { return FItemIndex; }
  // Checks the item's button (-1: none).
  void SetItemIndex(int value);
  int Columns() const { return FColumns; }
  void SetColumns(int value);
  // The button of an item.
  TGroupButton* Buttons(int index) const { return FButtons.at(static_cast<size_t>(index)); }

  void SetBounds(int left, int top, int width, int height) override;

 private:
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonChecked(const TGroupButton* button);

  mutable TItemStrings FItems;
  std::vector<TGroupButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
};
