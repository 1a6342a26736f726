#pragma once
// Where a group of rows ends. A group is its first row at level L and the deeper rows below it,
// up to and including the next row at level L (its end marker); a shallower row ends it one row
// earlier, and so does a session's start row: a session whose host crashed has no end row, and
// the next session is never part of it. The same rule serves the visible rows, the whole record
// list and the walk that hides the contents of collapsed groups.

#include <cstdint>
#include <optional>

#include "viewer/core/event_list.h"

enum class TGroupBoundary {
  gbInside,     // the row belongs to the group
  gbEndMarker,  // the row is the group's last row
  gbAfter,      // the group ended with the row before
};

// How a row below a group's first row relates to a group whose first row is at `level`.
inline TGroupBoundary BoundaryOf(const TEventEntry& row, int32_t level) {
  if (row.Level < level || IsStartSession(*row.Class)) return TGroupBoundary::gbAfter;
  return row.Level == level ? TGroupBoundary::gbEndMarker : TGroupBoundary::gbInside;
}

// The last row of the group that starts at `first` with `level`, among rows 0 .. count - 1 whose
// entries `entryAt` gives; nothing when the rows run out before the group ends.
template <typename EntryAt>
std::optional<int> FindGroupEnd(const EntryAt& entryAt, int first, int count, int32_t level) {
  for (int row = first + 1; row < count; ++row) {
    switch (BoundaryOf(entryAt(row), level)) {
      case TGroupBoundary::gbInside:
        break;
      case TGroupBoundary::gbEndMarker:
        return row;
      case TGroupBoundary::gbAfter:
        return row - 1;
    }
  }
  return std::nullopt;
}
