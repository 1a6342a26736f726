#pragma once
// Grouping records under sessions and sections as they are read in file order: each record's
// nesting level and whether it opens or closes a group, the session table, and the separator the
// viewer inserts after each end of a session. The running state is kept between reads, so that
// records appended to a log later are grouped as if the log had been read whole.

#include <array>
#include <cstdint>

#include "log/log_stream.h"
#include "viewer/core/event_list.h"
#include "viewer/core/sessions.h"

class TRecordGrouping {
 public:
  // Records of the file appended so far (inserted separators aside).
  int RecordsRead() const { return FRecordsRead; }

  // Appends the record, and the separator after a session's end, to `records`; a session's start
  // goes into `sessions` too and must have been read whole.
  void Append(const TEventSkim& record, TEventList& records, TSessionTable& sessions);

 private:
  // How records of a class take part in grouping.
  enum class TGroupRole : uint8_t {
    grNone,
    grStartSession,
    grStopSession,
    grEnter,
    grLeave,
    grSection
  };
  static TGroupRole GroupRoleOf(const TLogEventClass& cls);
  // A log holds records of a few dozen classes: each class's role is found once.
  TGroupRole RoleOf(const TLogEventClass& cls);

  int32_t FLevel = 0;
  int FRecordsRead = 0;
  struct TKnownRole {
    const TLogEventClass* Class = nullptr;
    TGroupRole Role = TGroupRole::grNone;
  };
  std::array<TKnownRole, 64> FKnownRoles{};
};
