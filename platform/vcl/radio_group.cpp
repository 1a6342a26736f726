// TRadioGroup: its buttons, their layout and the group's choice.

#include "platform/vcl/radio_group.h"

#include <algorithm>

const TComponentClass& TGroupButton::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TGroupButton",
      .Parent = &TRadioButton::StaticClass(),
  });
  return cls;
}

const TComponentClass& TRadioGroup::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TRadioGroup::Columns, &TRadioGroup::SetColumns>("Columns", {.Default = 1}),
      Published<&TRadioGroup::Items>("Items"),
      Published<&TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex>(
          "ItemIndex", {.Default = -1, .AfterLists = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TRadioGroup",
      .Parent = &TCustomGroupBox::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TRadioGroup>,
  });
  return cls;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  FItems.OnChange = [this] { UpdateButtons(); };
}

void TRadioGroup::SetItemIndex(int value) {
  if (value < -1 || value >= FItems.Count()) return;
  if (value == -1 && FItemIndex >= 0) Buttons(FItemIndex)->SetChecked(false);
  FItemIndex = value;
  if (value >= 0) Buttons(value)->SetChecked(true);
}

void TRadioGroup::SetColumns(int value) {
  FColumns = std::clamp(value, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

// One button per item: buttons are added or deleted at the end, captions follow the items.
void TRadioGroup::UpdateButtons() {
  while (FButtons.size() > static_cast<size_t>(FItems.Count())) {
    delete FButtons.back();
    FButtons.pop_back();
  }
  while (FButtons.size() < static_cast<size_t>(FItems.Count())) {
    auto* button = new TGroupButton(this);
    button->SetParent(this);
    button->OnClick = [this, button](TObject*) { ButtonChecked(button); };
    FButtons.push_back(button);
  }
  for (size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->SetCaption(FItems.Get(static_cast<int>(i)));
  if (FItemIndex >= FItems.Count()) FItemIndex = -1;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  const int count = static_cast<int>(FButtons.size());
  const int rows = (count + FColumns - 1) / FColumns;
  const int columnWidth = std::max((Width() - 10) / FColumns, 1);
  const int rowHeight = std::max((Height() - 20) / rows, 1);
  for (int i = 0; i < count; ++i)
    FButtons[static_cast<size_t>(i)]->SetBounds(
        8 + (i / rows) * columnWidth, 16 + (i % rows) * rowHeight, columnWidth - 8, rowHeight);
}

void TRadioGroup::ButtonChecked(const TGroupButton* button) {
  FItemIndex =
      static_cast<int>(std::find(FButtons.begin(), FButtons.end(), button) - FButtons.begin());
  if (!Loading()) Click();
}
