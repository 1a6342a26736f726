// Collapsing and expanding groups and rebuilding the visible rows under the filter: the visible
// rows are edited in place, so a change costs the rows it touches.

#include <optional>
#include <vector>

#include "viewer/core/event_view.h"
#include "viewer/core/group_bounds.h"

TGroupEdit TEventView::Collapse(int row) {
  if (!FView.IsRow(row) || FView.Entry(row).State != esExpanded) return TGroupEdit::ceIgnored;
  const int32_t level = FView.Entry(row).Level;
  const auto levelAt = [this](int r) { return FView.Entry(r).Level; };
  int first = row;
  int last = row;
  // A session's start row always opens its group, whatever a crashed session left above it.
  if (row > 0 && levelAt(row - 1) > level && !IsStartSession(*FView.Entry(row).Class)) {
    // The row ends a group: its first row is the nearest row above at the same level.
    first = row - 1;
    while (first >= 0 && levelAt(first) > level) --first;
    if (first < 0 || levelAt(first) < level || FView.Entry(first).State == esPlain) {
      return TGroupEdit::ceBeep;
    }
  } else {
    if (row + 1 >= RowCount() || levelAt(row + 1) <= level) return TGroupEdit::ceBeep;
    const auto entryAt = [this](int r) -> const TEventEntry& { return FView.Entry(r); };
    const std::optional<int> end = FindGroupEnd(entryAt, row, RowCount(), level);
    if (!end) return TGroupEdit::ceBeep;
    last = *end;
  }
  FView.Entry(first).State = esCollapsed;
  NotifyRows([&](TEventViewObserver& o) { o.RowsAboutToBeRemoved(first + 1, last); });
  FView.Remove(first + 1, last);
  NotifyRows([](TEventViewObserver& o) { o.RowsRemoved(); });
  Select(first);
  NotifyRows([&](TEventViewObserver& o) { o.RowsChanged(first); });
  return TGroupEdit::ceChanged;
}

TGroupEdit TEventView::Expand(int row) {
  if (!FView.IsRow(row) || FView.Entry(row).State != esCollapsed) return TGroupEdit::ceIgnored;
  const int32_t first = FView[row];
  const int32_t level = FView.Entry(row).Level;
  const int count = static_cast<int>(FRecords.size());
  const auto entryAt = [this](int index) -> const TEventEntry& {
    return FRecords[static_cast<size_t>(index)];
  };
  if (first + 1 >= count || entryAt(first + 1).Level < level) return TGroupEdit::ceBeep;
  const std::optional<int> end = FindGroupEnd(entryAt, first, count, level);
  if (!end) return TGroupEdit::ceBeep;

  FView.Entry(row).State = esExpanded;
  std::vector<int32_t> shown;
  TVisibilityWalk walk(FRecords, FSessions, Filter(), first + 1);
  for (int32_t index = first + 1; index <= *end; ++index) {
    if (walk.Shown(index)) shown.push_back(index);
  }
  if (!shown.empty()) {
    const int last = row + static_cast<int>(shown.size());
    NotifyRows([&](TEventViewObserver& o) { o.RowsAboutToBeInserted(row + 1, last); });
    FView.Insert(shown);
    NotifyRows([](TEventViewObserver& o) { o.RowsInserted(); });
  }
  Select(row);
  NotifyRows([&](TEventViewObserver& o) { o.RowsChanged(row); });
  return TGroupEdit::ceChanged;
}

TGroupEdit TEventView::Toggle(int row) {
  if (!FView.IsRow(row)) return TGroupEdit::ceIgnored;
  return FView.Entry(row).State == esCollapsed ? Expand(row) : Collapse(row);
}

void TEventView::ExpandAll() {
  const TBatch batch(*this);
  for (TEventEntry& entry : FRecords) {
    if (entry.State == esCollapsed) entry.State = esExpanded;
  }
  RebuildView(true);
}

void TEventView::RebuildView(bool keepSelection) {
  const int32_t selected = keepSelection && FView.IsRow(FSelected) ? FView[FSelected] : -1;
  const int32_t focused = keepSelection && FView.IsRow(FFocused) ? FView[FFocused] : -1;
  const TBatch batch(*this);
  TVisibilityWalk walk(FRecords, FSessions, Filter(), 0);
  FView.Rebuild([&walk](int32_t index) { return walk.Shown(index); });
  FSelected = selected >= 0 ? FView.PositionOf(selected) : -1;
  FFocused = focused >= 0 ? FView.PositionOf(focused) : -1;
}
