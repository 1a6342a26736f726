// The record list's rows, selection and texts.

#include "viewer/core/event_view.h"

#include <algorithm>

#include "log/log_event.h"
#include "platform/sysutils.h"

namespace {
constexpr TDateTime kFallbackDays = 60;
}

TEventView::TFallbackFilter::TFallbackFilter(const TOXOptions& settings)
    : Settings(settings), From(Now() - kFallbackDays), To(Now()) {}

TDateTime TEventView::TFallbackFilter::FilterTo() const { return std::max(To, Now()); }

bool TEventView::TFallbackFilter::IsEventShown(std::string_view className) const {
  return Settings.IsEnabled(className);
}

TEventView::TEventView(TOXOptions& settings) : FSettings(settings), FFallback(settings) {}

TEventView::~TEventView() {
  Notify([](TEventViewObserver& o) { o.RecordsAboutToBeFreed(); });
}

const TViewFilter& TEventView::Filter() const {
  return FFilterWindow != nullptr ? *FFilterWindow : FFallback;
}

TEventView::TBatch::TBatch(TEventView& view) : FView(view) {
  if (FView.FBatchDepth++ == 0) FView.Notify([](TEventViewObserver& o) { o.ViewAboutToBeReset(); });
}

TEventView::TBatch::~TBatch() {
  if (--FView.FBatchDepth > 0) return;
  FView.Notify([](TEventViewObserver& o) { o.ViewReset(); });
  FView.Notify([](TEventViewObserver& o) { o.SelectionChanged(); });
}

bool TEventView::CurrentFileChanged() const {
  if (FFileStamp.IsZero()) return false;
  const TFileStamp now = TFileStamp::Take(FCurrentFile);
  return !now.IsZero() && now != FFileStamp;
}

TDateTime TEventView::TimeOf(int32_t recordIndex) const {
  return FSessions.TimeOf(recordIndex, FRecords[static_cast<size_t>(recordIndex)]);
}

std::string TEventView::TimeText(int32_t recordIndex) const {
  if (SessionOf(recordIndex) < 0) return std::string();
  return FormatDateTime(FSettings.DateTimeFormat(), TimeOf(recordIndex));
}

void TEventView::CheckRow(int row) const {
  if (!FView.IsRow(row)) {
    throw Exception(kVirtualModeCorruptedText);
  }
}

TRowTexts TEventView::RowTexts(int row) const {
  CheckRow(row);
  const TEventEntry& entry = FView.Entry(row);
  return {ColumnText(row, 0), ColumnText(row, 1), ColumnText(row, 2), entry.Level, RowImage(row)};
}

std::string TEventView::ColumnText(int row, int column) const {
  CheckRow(row);
  switch (column) {
    case 0:
      return TimeText(FView[row]);
    case 1:
      return FView.Entry(row).Class->GetEventName();
    default:
      return Record(row)->AsString();
  }
}

int32_t TEventView::RowImage(int row) const {
  CheckRow(row);
  return ::RowImage(FView.Entry(row), *Record(row));
}

std::shared_ptr<const TLogEvent> TEventView::Record(int row) const {
  CheckRow(row);
  return FRecords.Record(static_cast<size_t>(FView[row]));
}

TRowLook TEventView::RowLook(int row) const {
  CheckRow(row);
  return ::RowLook(FView.Entry(row), FSettings);
}

void TEventView::Select(int row) {
  FSelected = FView.IsRow(row) ? row : -1;
  FFocused = FSelected;
  NotifyRows([](TEventViewObserver& o) { o.SelectionChanged(); });
}

void TEventView::Deselect() {
  FSelected = -1;
  NotifyRows([](TEventViewObserver& o) { o.SelectionChanged(); });
}

int TEventView::FindSameClass(int step) const {
  if (!FView.IsRow(FSelected)) return -1;
  const TLogEventClass* cls = FView.Entry(FSelected).Class;
  for (int row = FSelected + step; FView.IsRow(row); row += step) {
    if (FView.Entry(row).Class == cls) return row;
  }
  return -1;
}

std::string TEventView::CountsText() const {
  return ::CountsText(static_cast<int>(FRecords.size()), FSessions.Count(), RowCount());
}

std::string TEventView::SessionPositionText() const {
  if (!FView.IsRow(FFocused)) return std::string();
  const int32_t index = FView[FFocused];
  const int session = SessionOf(index);
  if (session < 0) return std::string();
  const TSessionInfo& info = FSessions[session];
  return ::SessionPositionText(index - info.FirstEntry + 1,
                               FSessions[session + 1].FirstEntry - info.FirstEntry, session + 1,
                               FormatDateTime(FSettings.DateTimeFormat(), info.BeginTime));
}

void TEventView::StoreLastLog() {
  FSettings.LastLog.Filename = FCurrentFile;
  std::vector<int32_t> collapsed;
  if (FCurrentFile.empty() || FRecords.empty()) {
    FSettings.LastLog.TickCount = -1;
  } else {
    FSettings.LastLog.TickCount = FRecords.front().TickCount;
    for (size_t i = 0; i < FRecords.size(); ++i) {
      if (FRecords[i].State == esCollapsed) collapsed.push_back(static_cast<int32_t>(i));
    }
  }
  FSettings.SetCollapse(std::move(collapsed));
}
