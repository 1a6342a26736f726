#pragma once
// The main window's record list without pixels: the current log with its record list, session
// table and visible rows; loading and reloading; collapsing, expanding and filtering the rows in
// place; the selection; row texts and status texts; and what the window remembers on closing.
// A front end shows the rows and forwards the user's actions; it learns of changes through
// TEventViewObserver; several windows may listen at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/datetime.h"
#include "viewer/core/event_list.h"
#include "viewer/core/event_view_observer.h"
#include "viewer/core/file_stamp.h"
#include "viewer/core/record_grouping.h"
#include "viewer/core/row_look.h"
#include "viewer/core/sessions.h"
#include "viewer/core/settings.h"
#include "viewer/core/status_text.h"
#include "viewer/core/view_filter.h"
#include "viewer/core/view_list.h"

class TReadProgress;

// What Collapse and Expand did. ceBeep: no group boundary was found; the user hears an error beep.
enum class TGroupEdit { ceChanged, ceIgnored, ceBeep };

enum class TLoadOutcome {
  loLoaded,
  loMissing,       // no such file: the window is empty
  loNotALog,       // the file is not a log: the window is empty; Message says so
  loBeingWritten,  // another program writes the file and lets nobody read it yet: the window is
                   // empty; Message says so
  loDamaged,       // reading failed part way: the records before the damage are shown, the file
                   // is not watched; Message says what went wrong
  loCancelled,     // the reading was cancelled: the log shown before is shown as it was
};

struct TLoadResult {
  TLoadOutcome Outcome = TLoadOutcome::loLoaded;
  std::string Message;
  // Export, Print, Find and Refresh are available exactly when the file exists.
  bool FileExists = false;
};

class TEventView {
 public:
  // The time bounds used while no filter window exists are taken now: the last 60 days. The
  // upper bound moves on with the clock, so that a reload shows what was logged since.
  explicit TEventView(TOXOptions& settings);
  // The listeners hear that the records are about to be freed.
  ~TEventView();
  TEventView(const TEventView&) = delete;
  TEventView& operator=(const TEventView&) = delete;

  // A listener is told of every change until it is removed; it must be removed before it goes.
  void AddObserver(TEventViewObserver* observer) { FObservers.Add(observer); }
  void RemoveObserver(TEventViewObserver* observer) { FObservers.Remove(observer); }
  // The filter window's filter while it exists; nullptr returns to the settings and the
  // fallback bounds.
  void SetFilterWindow(const TViewFilter* filter) { FFilterWindow = filter; }
  const TViewFilter& Filter() const;
  TDateTime FallbackFrom() const { return FFallback.From; }
  TDateTime FallbackTo() const { return FFallback.To; }

  // ---- the log ----
  // Reads the log whole and shows it. Loading the current file again (a reload) keeps collapsed
  // groups and the selection and collapses every session but the last; loading the settings' last
  // log as the first file restores its collapsed groups. Either only when the first record's tick
  // count shows it is the same log. The observer sees the whole load as one reset. `progress` is
  // told how the reading goes and may cancel it; nothing changes then, and the observer hears
  // nothing.
  TLoadResult Load(const std::string& fileName, TReadProgress* progress = nullptr);
  // Follow mode: shows the records appended to the watched file since it was read below the
  // rows, which keep their collapsed groups and the selection; the observer hears of rows
  // inserted at the end. A file that shrank or was replaced by another of its name is loaded
  // again whole, as a reload; a file that is gone leaves the rows as they are. Gives what a load
  // gives when the file was loaded again, or when reading on met damage (the rows before it are
  // shown and the file is no longer watched); else nothing.
  std::optional<TLoadResult> ReadAppended();
  const std::string& CurrentFile() const { return FCurrentFile; }
  // Zero while not watched (no file, or a damaged one).
  const TFileStamp& FileStamp() const { return FFileStamp; }
  // Whether a watched file now differs from its stamp.
  bool CurrentFileChanged() const;

  const TEventList& Records() const { return FRecords; }
  const TSessionTable& Sessions() const { return FSessions; }
  const TViewList& View() const { return FView; }
  int RowCount() const { return FView.Count(); }

  // ---- grouping and filtering ----
  TGroupEdit Collapse(int row);
  TGroupEdit Expand(int row);
  // A click on a group row's image, or Enter: expands a collapsed group, collapses an expanded one.
  TGroupEdit Toggle(int row);
  // Expands every group and rebuilds the rows under the filter, as one reset; the selection moves
  // with its records.
  void ExpandAll();
  // Rebuilds the visible rows under the filter; collapsed groups stay collapsed. Keeping the
  // selection moves it with its records.
  void RebuildView(bool keepSelection);

  // ---- rows ----
  int SessionOf(int32_t recordIndex) const { return FSessions.SessionOf(recordIndex); }
  TDateTime TimeOf(int32_t recordIndex) const;
  // Raises Exception(kVirtualModeCorruptedText) for a row that does not exist.
  TRowTexts RowTexts(int row) const;
  // One text of RowTexts: column 0 the time, 1 the event name, 2 the data.
  std::string ColumnText(int row, int column) const;
  TRowLook RowLook(int row) const;
  int32_t RowImage(int row) const;
  // The row's record, read again from the log.
  std::shared_ptr<const TLogEvent> Record(int row) const;

  // ---- selection (one row; -1 for none) ----
  int Selected() const { return FSelected; }
  int Focused() const { return FFocused; }
  // Selects and focuses the row, or clears both for -1.
  void Select(int row);
  // Clears the selection; the focused row keeps the focus.
  void Deselect();
  // Selects the first or the last row (none when there are no rows).
  void SelectFirst() { Select(RowCount() > 0 ? 0 : -1); }
  void SelectLast() { Select(RowCount() - 1); }
  // The next row below (step 1) or above (step -1) the selected one whose record is of exactly
  // the selected record's class; -1 when there is none.
  int FindSameClass(int step) const;

  // ---- texts ----
  std::string Caption() const { return WindowCaption(FCurrentFile); }
  std::string CountsText() const;
  // The focused row's place in its session; empty without one.
  std::string SessionPositionText() const;

  // Stores the current file, its first record's tick count and its collapsed rows as the
  // settings' last log (the file itself is written by the caller).
  void StoreLastLog();

 private:
  struct TFallbackFilter : TViewFilter {
    explicit TFallbackFilter(const TOXOptions& settings);
    bool IsEventShown(std::string_view className) const override;
    TDateTime FilterFrom() const override { return From; }
    // The later of To and the clock: records written while the viewer runs stay visible.
    TDateTime FilterTo() const override;
    const TOXOptions& Settings;
    TDateTime From;
    TDateTime To;
  };
  struct TRestore;
  class TBatch;

  void ClearAll();  // within a batch
  void SetCurrentFile(std::string name);
  void CollapseEarlierSessions();
  // Shows the records from `firstIndex` on, appended to the record list, that are to be shown.
  void ShowAppended(int32_t firstIndex);
  void Restore(const TRestore& restore);
  void CollapseRecord(int32_t recordIndex);
  std::string TimeText(int32_t recordIndex) const;
  void CheckRow(int row) const;
  template <typename Notification>
  void Notify(Notification&& notify) {
    FObservers.Notify(notify);
  }
  // Changes of rows and selection: silent within a batch, which ends in a reset.
  template <typename Notification>
  void NotifyRows(Notification&& notify) {
    if (FBatchDepth == 0) FObservers.Notify(notify);
  }

  TOXOptions& FSettings;
  TEventList FRecords;
  TViewList FView{FRecords};
  TSessionTable FSessions;
  TRecordGrouping FGrouping;  // how the records read so far end, for reading on
  std::string FCurrentFile;
  TFileStamp FFileStamp;
  TFallbackFilter FFallback;
  const TViewFilter* FFilterWindow = nullptr;
  TEventViewObservers FObservers;
  int FSelected = -1;
  int FFocused = -1;
  int FBatchDepth = 0;
};

// Within a batch the rows and the selection change silently; the outermost batch is one reset of
// the view, and the selection is announced when it ends.
class TEventView::TBatch {
 public:
  explicit TBatch(TEventView& view);
  ~TBatch();
  TBatch(const TBatch&) = delete;
  TBatch& operator=(const TBatch&) = delete;

 private:
  TEventView& FView;
};
