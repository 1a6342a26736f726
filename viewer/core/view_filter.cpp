// Applying the type and time filter and the collapsed groups to the record list.

#include "viewer/core/view_filter.h"

#include <algorithm>

#include "viewer/core/group_bounds.h"

TVisibilityWalk::TVisibilityWalk(const TEventList& records, const TSessionTable& sessions,
                                 const TViewFilter& filter, int32_t firstIndex)
    : FRecords(records),
      FSessions(sessions),
      FFilter(filter),
      FFrom(filter.FilterFrom()),
      FTo(filter.FilterTo()),
      FSession(sessions.SessionOf(firstIndex)) {}

bool TVisibilityWalk::Shown(int32_t index) {
  const TEventEntry& entry = FRecords[static_cast<size_t>(index)];
  if (FSkipping) {
    // Inside a collapsed group its rows are hidden, its end marker too. A row after the group (one
    // that ends it early) is judged on its own.
    const TGroupBoundary boundary = BoundaryOf(entry, FSkipLevel);
    if (boundary == TGroupBoundary::gbInside) return false;
    FSkipping = false;
    if (boundary == TGroupBoundary::gbEndMarker) return false;
  }
  if (!PassesFilter(index)) return false;
  if (entry.State == esCollapsed) {
    FSkipping = true;
    FSkipLevel = entry.Level;
  }
  return true;
}

bool TVisibilityWalk::PassesFilter(int32_t index) {
  while (FSession + 1 < FSessions.Count() && FSessions[FSession + 1].FirstEntry <= index) {
    ++FSession;
  }
  const TEventEntry& entry = FRecords[static_cast<size_t>(index)];
  if (!IsClassShown(*entry.Class)) return false;
  const TDateTime time = FSession < 0 ? 0 : RowTime(FSessions[FSession], entry);
  return FFrom < time && time < FTo;
}

bool TVisibilityWalk::IsClassShown(const TLogEventClass& recordClass) {
  const TLogEventClass* cls = &recordClass;
  if (FLastClass == cls) return FLastClassShown;
  const auto known = std::find_if(FClassShown.begin(), FClassShown.end(),
                                  [cls](const auto& item) { return item.first == cls; });
  const bool shown =
      known != FClassShown.end() ? known->second : FFilter.IsEventShown(cls->ClassName());
  if (known == FClassShown.end()) FClassShown.emplace_back(cls, shown);
  FLastClass = cls;
  FLastClassShown = shown;
  return shown;
}
