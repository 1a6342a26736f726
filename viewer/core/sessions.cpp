// Finding the session of a record and the time of a record within it.

#include "viewer/core/sessions.h"

#include <algorithm>

namespace {
constexpr double kMillisecondsPerDay = 86400000.0;
}

TDateTime SessionTime(const TSessionInfo& session, uint32_t tickCount) {
  const auto elapsed = static_cast<int32_t>(tickCount - session.StartTick);
  return session.BeginTime + elapsed / kMillisecondsPerDay;
}

TDateTime RowTime(const TSessionInfo& session, const TEventEntry& entry) {
  if (entry.Level == kInsertedSeparatorLevel) {
    return session.BeginTime - session.StartTick / kMillisecondsPerDay;
  }
  return SessionTime(session, static_cast<uint32_t>(entry.TickCount));
}

int TSessionTable::SessionOf(int32_t recordIndex) const {
  const auto sessionsEnd = FItems.begin() + Count();
  const auto after =
      std::upper_bound(FItems.begin(), sessionsEnd, recordIndex,
                       [](int32_t index, const TSessionInfo& s) { return index < s.FirstEntry; });
  return static_cast<int>(after - FItems.begin()) - 1;
}

TDateTime TSessionTable::TimeOf(int32_t recordIndex, const TEventEntry& entry) const {
  const int session = SessionOf(recordIndex);
  return session < 0 ? 0 : RowTime((*this)[session], entry);
}
