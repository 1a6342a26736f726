#pragma once
// Where a group of rows ends. A group is its first row at level L and the deeper rows below it,
// up to and including the next row at level L (its end marker); a shallower row ends it one row
// earlier. The same rule serves the visible rows and the whole record list.

#include <cstdint>
#include <optional>

// The last row of the group that starts at `first` with `level`, among rows 0 .. count - 1 whose
// levels `levelAt` gives; nothing when the rows run out before the group ends.
template <typename LevelAt>
std::optional<int> FindGroupEnd(const LevelAt& levelAt, int first, int count, int32_t level) {
  for (int row = first + 1; row < count; ++row) {
    const int32_t rowLevel = levelAt(row);
    if (rowLevel == level) return row;
    if (rowLevel < level) return row - 1;
  }
  return std::nullopt;
}
