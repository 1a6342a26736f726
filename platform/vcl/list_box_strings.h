#pragma once
// The items of a list box together with which of them are selected: each line's selection flag
// rides with it when lines are added, inserted or deleted, so that a multi-select list keeps its
// selection while lines are moved in and out.

#include <vector>

#include "platform/vcl/std_control.h"

class TListBoxStrings : public TItemStrings {
 public:
  int Add(const std::string& s) override;  // the new line is not selected
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

  // Raise EListError for an index outside the lines.
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  // Selects the lines from `first` to `last` (either way round, both included) and no others
  // unless `keepOthers`.
  void SelectRange(int first, int last, bool keepOthers);
  void ClearSelection();
  // Sorts the lines; the selection is dropped, since the lines move.
  void SortLines();
  // Raises EListError for an index outside the lines.
  void CheckIndex(int index) const;

 private:
  std::vector<char> FSelected;  // one flag per line
};
