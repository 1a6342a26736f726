// Editing the visible rows in place and finding the row of a record.

#include "viewer/core/view_list.h"

#include <algorithm>

int TViewList::PositionOf(int32_t recordIndex) const {
  const auto found = std::lower_bound(FRows.begin(), FRows.end(), recordIndex);
  return found != FRows.end() && *found == recordIndex ? static_cast<int>(found - FRows.begin())
                                                       : -1;
}

void TViewList::Remove(int first, int last) {
  FRows.erase(FRows.begin() + first, FRows.begin() + last + 1);
}

void TViewList::Insert(int position, std::span<const int32_t> recordIndexes) {
  FRows.insert(FRows.begin() + position, recordIndexes.begin(), recordIndexes.end());
}
