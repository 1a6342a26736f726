#pragma once
// The session table: where each session of the record list starts, when, and at which tick, with
// a closing sentinel whose first entry is the record count. The times of records follow from it.

#include <cstdint>
#include <vector>

#include "platform/datetime.h"
#include "viewer/core/event_list.h"

struct TSessionInfo {
  int32_t FirstEntry = 0;  // record-list index of the start-of-session row
  TDateTime BeginTime = 0;
  uint32_t StartTick = 0;  // tick count of the start-of-session record
};

class TSessionTable {
 public:
  void Clear() { FItems.clear(); }
  void Add(const TSessionInfo& session) { FItems.push_back(session); }
  // Closes the table; its FirstEntry is the number of records.
  void AddSentinel(int32_t recordCount) { FItems.push_back({recordCount, 0, 0}); }
  // Opens a closed table again, for sessions of records appended to the list.
  void RemoveSentinel() {
    if (!FItems.empty()) FItems.pop_back();
  }

  // Sessions without the sentinel.
  int Count() const { return FItems.empty() ? 0 : static_cast<int>(FItems.size()) - 1; }
  // Sessions 0 .. Count() - 1, and the sentinel at Count().
  const TSessionInfo& operator[](int index) const { return FItems[static_cast<size_t>(index)]; }

  // The session that holds the record, or -1 for a record before the first session.
  int SessionOf(int32_t recordIndex) const;
  // The row's time (RowTime in its session); 0 before the first session.
  TDateTime TimeOf(int32_t recordIndex, const TEventEntry& entry) const;

 private:
  std::vector<TSessionInfo> FItems;
};

// A time within a session. The tick difference is taken as a signed 32-bit value, so that a tick
// counter that wrapped in between still gives the right time.
TDateTime SessionTime(const TSessionInfo& session, uint32_t tickCount);
// The time of a row of the session: SessionTime of its record, except for the separator inserted
// after the session. Its tick count is 0, so it lies the session's start tick (unsigned: a
// machine up for more than 24.8 days has a start tick beyond the signed range) before the
// session's begin time, roughly when the recording machine started, and never after the session.
TDateTime RowTime(const TSessionInfo& session, const TEventEntry& entry);
