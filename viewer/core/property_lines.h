#pragma once
// The inspector without pixels: the record shown and its property lines. It follows the record
// list and lets go of the record before the list frees it.

#include <cstdint>
#include <functional>
#include <memory>
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

  // Shows the record of a view row, or nothing for a row outside the view. The record shown
  // already does nothing; otherwise the lines are rebuilt and OnLinesChanged is called.
  void ShowRow(int row);
  const TLogEvent* Shown() const { return FShown.get(); }
  const std::vector<TPropertyLine>& Lines() const { return FLines; }
  std::function<void()> OnLinesChanged;

 private:
  void RecordsAboutToBeFreed() override;
  // Shows the record of record-list entry `index` (-1 and nullptr: nothing).
  void Show(int32_t index, std::shared_ptr<const TLogEvent> record);

  TEventView& FView;
  int32_t FShownIndex = -1;
  std::shared_ptr<const TLogEvent> FShown;
  std::vector<TPropertyLine> FLines;
};
