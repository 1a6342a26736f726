// TListBoxStrings: list-box lines with their selection flags.

#include "platform/vcl/list_box_strings.h"

#include <algorithm>

#include "platform/vcl/errors.h"

int TListBoxStrings::Add(const std::string& s) {
  const int before = Count();
  const int index = TItemStrings::Add(s);
  if (Count() > before) FSelected.insert(FSelected.begin() + index, 0);
  return index;
}

void TListBoxStrings::Insert(int index, const std::string& s) {
  TItemStrings::Insert(index, s);
  FSelected.insert(FSelected.begin() + index, 0);
}

void TListBoxStrings::Delete(int index) {
  TItemStrings::Delete(index);
  FSelected.erase(FSelected.begin() + index);
}

void TListBoxStrings::Clear() {
  FSelected.clear();
  TItemStrings::Clear();
}

void TListBoxStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
}

bool TListBoxStrings::Selected(int index) const {
  CheckIndex(index);
  return FSelected[static_cast<size_t>(index)] != 0;
}

void TListBoxStrings::SetSelected(int index, bool value) {
  CheckIndex(index);
  FSelected[static_cast<size_t>(index)] = value;
}

int TListBoxStrings::SelCount() const {
  return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), 1));
}

void TListBoxStrings::SelectRange(int first, int last, bool keepOthers) {
  CheckIndex(first);
  CheckIndex(last);
  if (!keepOthers) ClearSelection();
  const auto [low, high] = std::minmax(first, last);
  std::fill(FSelected.begin() + low, FSelected.begin() + high + 1, 1);
}

void TListBoxStrings::ClearSelection() { std::fill(FSelected.begin(), FSelected.end(), 0); }

void TListBoxStrings::SortLines() {
  SetSorted(true);
  ClearSelection();
}
