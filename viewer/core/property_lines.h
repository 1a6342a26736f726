#pragma once
// The inspector without pixels: the record shown and its property lines. It follows the record
// list and lets go of the record before the list frees it.

#include <functional>
#include <string>
#include <vector>

#include "log/log_event.h"
#include "viewer/core/event_view.h"

struct TPropertyLine {
  std::string Property;
  std::string Value;
  bool operator==(const TPropertyLine&) const = default;
};

// The record's GetPropertiesAndValues lines, each split at its first "=" (a line without one is
// all property, with an empty value), sorted by property.
std::vector<TPropertyLine> PropertyLines(const TLogEvent& record);

class TEventInspectorState : private TEventViewObserver {
 public:
  // Listens to the view until destroyed.
  explicit TEventInspectorState(TEventView& view);
  ~TEventInspectorState() override;
  TEventInspectorState(const TEventInspectorState&) = delete;
  TEventInspectorState& operator=(const TEventInspectorState&) = delete;

  // Shows the record (nullptr: nothing). The record shown already does nothing; otherwise the
  // lines are rebuilt and OnLinesChanged is called.
  void ShowEvent(const TLogEvent* record);
  // The record of a view row, nullptr for a row outside the view.
  void ShowRow(int row);
  const TLogEvent* Shown() const { return FShown; }
  const std::vector<TPropertyLine>& Lines() const { return FLines; }
  std::function<void()> OnLinesChanged;

 private:
  void RecordsAboutToBeFreed() override;

  TEventView& FView;
  const TLogEvent* FShown = nullptr;
  std::vector<TPropertyLine> FLines;
};
