// Loading a log into the record list, and restoring the collapsed groups and the selection of
// the same log shown before (a reload) or at the end of the previous run (from the settings).

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/sysutils.h"
#include "viewer/core/event_view.h"
#include "viewer/core/log_loader.h"

struct TEventView::TRestore {
  enum TKind { rkNothing, rkReload, rkFromSettings };
  TKind Kind = rkNothing;
  // The first record's tick count of the log shown before: the new log is the same log when its
  // first record has the same tick count.
  std::optional<int32_t> Identity;
  int Selected = -1;
  std::vector<uint8_t> States;  // of the log shown before (reload)
};

void TEventView::ClearAll() {
  Notify([](TEventViewObserver& o) { o.RecordsAboutToBeFreed(); });
  FSessions.Clear();
  FRecords.clear();
  FView.Clear();
  FSelected = -1;
  FFocused = -1;
}

void TEventView::SetCurrentFile(std::string name) {
  if (name == FCurrentFile) return;
  FCurrentFile = std::move(name);
  Notify([](TEventViewObserver& o) { o.CurrentFileChanged(); });
}

TLoadResult TEventView::Load(const std::string& fileName, TReadProgress* progress) {
  const std::string name = ExpandFileName(fileName);
  const bool fileExists = !name.empty() && FileExists(name);
  // The log is read into lists of its own first, so that a cancelled reading leaves the log shown
  // as it was.
  TEventList records;
  TSessionTable sessions;
  TRecordGrouping grouping;
  // Taken before reading, so that whatever is written while the file is read counts as a change.
  const TFileStamp stamp = fileExists ? TFileStamp::Take(name) : TFileStamp();
  const TReadResult read =
      fileExists ? ReadLogFile(name, records, sessions, grouping, progress) : TReadResult();
  if (read.Outcome == TReadOutcome::roCancelled) return {TLoadOutcome::loCancelled, {}, true};

  TLoadResult result;
  result.FileExists = fileExists;
  FFileStamp = {};
  // The rows and the selection are settled before the observer hears of them: restoring
  // thousands of collapsed groups one by one through a list model would cost each the rows
  // behind it.
  const TBatch batch(*this);

  TRestore restore;
  if (!FCurrentFile.empty() && SameText(name, FCurrentFile)) {
    restore.Kind = TRestore::rkReload;
    if (!FRecords.empty()) restore.Identity = FRecords.front().TickCount;
    restore.Selected = FSelected;
    restore.States.reserve(FRecords.size());
    for (const TEventEntry& entry : FRecords) restore.States.push_back(entry.State);
  } else if (FCurrentFile.empty() && !name.empty() && SameText(name, FSettings.LastLog.Filename)) {
    restore.Kind = TRestore::rkFromSettings;
    restore.Identity = FSettings.LastLog.TickCount;
  }
  ClearAll();

  if (!fileExists) {
    SetCurrentFile(std::string());
    result.Outcome = TLoadOutcome::loMissing;
    return result;
  }
  if (read.Outcome == TReadOutcome::roNotALog || read.Outcome == TReadOutcome::roBeingWritten) {
    SetCurrentFile(std::string());
    return {read.Outcome == TReadOutcome::roNotALog ? TLoadOutcome::loNotALog
                                                    : TLoadOutcome::loBeingWritten,
            read.Message, true};
  }
  FRecords.swap(records);
  FSessions = std::move(sessions);
  FGrouping = grouping;
  SetCurrentFile(name);
  RebuildView(false);
  if (read.Outcome == TReadOutcome::roDamaged) {
    // The records before the damage are shown; with no stamp the file is not watched.
    return {TLoadOutcome::loDamaged, read.Message, true};
  }
  FFileStamp = stamp;
  if (!FRecords.empty() && restore.Identity == FRecords.front().TickCount) {
    Restore(restore);
  }
  return result;
}

void TEventView::CollapseRecord(int32_t recordIndex) {
  if (recordIndex < 0 || static_cast<size_t>(recordIndex) >= FRecords.size()) return;
  if (FRecords[static_cast<size_t>(recordIndex)].State != esExpanded) return;
  const int row = FView.PositionOf(recordIndex);
  if (row >= 0) Collapse(row);
}

void TEventView::Restore(const TRestore& restore) {
  if (restore.Kind == TRestore::rkFromSettings) {
    const std::vector<int32_t>& collapsed = FSettings.Collapse();
    for (auto index = collapsed.rbegin(); index != collapsed.rend(); ++index) {
      CollapseRecord(*index);
    }
  } else {
    const size_t common = std::min(FRecords.size(), restore.States.size());
    for (size_t i = common; i-- > 0;) {
      if (restore.States[i] == esCollapsed) CollapseRecord(static_cast<int32_t>(i));
    }
  }
  Select(FView.IsRow(restore.Selected) ? restore.Selected : -1);
  if (restore.Kind == TRestore::rkReload) CollapseEarlierSessions();
}

void TEventView::CollapseEarlierSessions() {
  // Each session's start row is looked up rather than counted: with separators or start rows
  // filtered out, counting two rows per collapsed session would land on rows inside a session.
  for (int session = 0; session + 1 < FSessions.Count(); ++session) {
    CollapseRecord(FSessions[session].FirstEntry);
  }
}
