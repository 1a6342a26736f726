#pragma once
// The viewer's record list: every record read from the current log, in file order, with the
// separators the viewer inserts after each session; each entry carries its nesting level and, for
// the rows that open or close a group, whether the group is collapsed.

#include <cstdint>
#include <memory>
#include <vector>

#include "log/log_event.h"

enum TEntryState : uint8_t {
  esCollapsed = 0,  // group row, collapsed
  esExpanded = 1,   // group row, expanded
  esPlain = 2,      // every other row
};

// The level of the separator the viewer inserts after each end of a session.
inline constexpr int32_t kInsertedSeparatorLevel = -1;

struct TEventEntry {
  std::unique_ptr<TLogEvent> Event;
  int32_t Level = 0;
  uint8_t State = esPlain;
};

using TEventList = std::vector<TEventEntry>;

// Start and end of sessions and sections: the rows that can be collapsed and expanded.
bool IsGroupRecord(const TLogEvent& record);
bool IsStartSession(const TLogEvent& record);
bool IsStopSession(const TLogEvent& record);
