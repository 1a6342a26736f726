// The running level of the records read, and the session table, kept as records are appended.

#include "viewer/core/record_grouping.h"

#include <algorithm>

#include "log/builtin_events.h"

TRecordGrouping::TGroupRole TRecordGrouping::GroupRoleOf(const TLogEventClass& cls) {
  if (IsStartSession(cls)) return TGroupRole::grStartSession;
  if (IsStopSession(cls)) return TGroupRole::grStopSession;
  if (cls.InheritsFrom(TEnterSectionEvent::StaticClass())) return TGroupRole::grEnter;
  if (cls.InheritsFrom(TLeaveSectionEvent::StaticClass())) return TGroupRole::grLeave;
  if (IsGroupRecord(cls)) return TGroupRole::grSection;
  return TGroupRole::grNone;
}

TRecordGrouping::TGroupRole TRecordGrouping::RoleOf(const TLogEventClass& cls) {
  TKnownRole& known = FKnownRoles[(reinterpret_cast<uintptr_t>(&cls) >> 4) % FKnownRoles.size()];
  if (known.Class != &cls) known = {&cls, GroupRoleOf(cls)};
  return known.Role;
}

void TRecordGrouping::Append(const TEventSkim& record, TEventList& records,
                             TSessionTable& sessions) {
  ++FRecordsRead;
  const TGroupRole role = RoleOf(*record.Class);
  if (role == TGroupRole::grLeave && FLevel > 1) --FLevel;
  if (role == TGroupRole::grStartSession || role == TGroupRole::grStopSession) FLevel = 0;
  const uint8_t state = role == TGroupRole::grNone ? esPlain : esExpanded;
  const auto index = static_cast<int32_t>(records.size());
  records.Append(record, FLevel, state);
  if (role == TGroupRole::grStartSession) {
    FLevel = 1;
    sessions.Add({index, static_cast<const TStartSessionEvent&>(*record.Record).GetBeginTime(),
                  static_cast<uint32_t>(record.TickCount)});
  } else if (role == TGroupRole::grEnter) {
    FLevel = std::min(FLevel + 1, kDeepestLevel);
  } else if (role == TGroupRole::grStopSession) {
    records.AppendInsertedSeparator();
  }
}
