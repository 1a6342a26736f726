// Follow mode: the records appended to the current log since it was read are shown below the
// rows without reading the log again, so that collapsed groups, the selection and the place in
// the list stay as they are.

#include <vector>

#include "viewer/core/event_view.h"
#include "viewer/core/log_loader.h"

std::optional<TLoadResult> TEventView::ReadAppended() {
  if (FFileStamp.IsZero()) return std::nullopt;
  // Taken before reading, so that whatever is written while the file is read counts as a change.
  const TFileStamp now = TFileStamp::Take(FCurrentFile);
  // A log that is gone can still be read through the open file: its rows stay.
  if (now.IsZero() || now == FFileStamp) return std::nullopt;
  if (!now.SameFile(FFileStamp) || now.Size < FFileStamp.Size) return Load(FCurrentFile);

  const auto firstIndex = static_cast<int32_t>(FRecords.size());
  const TReadResult read = ReadAppendedRecords(FCurrentFile, FRecords, FSessions, FGrouping);
  FFileStamp = now;
  ShowAppended(firstIndex);
  if (read.Outcome != TReadOutcome::roDamaged) return std::nullopt;
  FFileStamp = {};
  return TLoadResult{TLoadOutcome::loDamaged, read.Message, true};
}

void TEventView::ShowAppended(int32_t firstIndex) {
  FView.Extend();
  const auto count = static_cast<int32_t>(FRecords.size());
  if (firstIndex >= count) return;
  // A group is collapsed only once its end is in the list, so no collapsed group reaches into
  // the records appended: the walk starts outside every group.
  std::vector<int32_t> shown;
  TVisibilityWalk walk(FRecords, FSessions, Filter(), firstIndex);
  for (int32_t index = firstIndex; index < count; ++index) {
    if (walk.Shown(index)) shown.push_back(index);
  }
  if (shown.empty()) return;
  const int first = RowCount();
  const int last = first + static_cast<int>(shown.size()) - 1;
  NotifyRows([&](TEventViewObserver& o) { o.RowsAboutToBeInserted(first, last); });
  FView.Insert(shown);
  NotifyRows([](TEventViewObserver& o) { o.RowsInserted(); });
}
