#pragma once
// Which records are visible: the type and time filter, and the walk over the record list that
// applies it while hiding the contents of collapsed groups.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/datetime.h"
#include "viewer/core/event_list.h"
#include "viewer/core/sessions.h"

// The filter: the filter window while it exists, else the settings with the fallback bounds.
class TViewFilter {
 public:
  virtual ~TViewFilter() = default;
  virtual bool IsEventShown(std::string_view className) const = 0;
  // Records strictly between the two times are shown.
  virtual TDateTime FilterFrom() const = 0;
  virtual TDateTime FilterTo() const = 0;
};

// Decides, record by record in ascending order, which records are visible.
class TVisibilityWalk {
 public:
  TVisibilityWalk(const TEventList& records, const TSessionTable& sessions,
                  const TViewFilter& filter, int32_t firstIndex);
  // Call with firstIndex, then every following index in turn.
  bool Shown(int32_t index);

 private:
  bool PassesFilter(int32_t index);
  bool IsClassShown(const TLogEventClass& recordClass);

  const TEventList& FRecords;
  const TSessionTable& FSessions;
  const TViewFilter& FFilter;
  TDateTime FFrom;
  TDateTime FTo;
  int FSession;
  bool FSkipping = false;
  int32_t FSkipLevel = 0;
  // The type filter's answer per record class, asked once per walk.
  std::vector<std::pair<const TLogEventClass*, bool>> FClassShown;
  const TLogEventClass* FLastClass = nullptr;
  bool FLastClassShown = false;
};
