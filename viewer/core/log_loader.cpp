// Reading every record of a log and grouping the records under sessions and sections.

#include "viewer/core/log_loader.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "log/builtin_events.h"
#include "log/indexed_log_reader.h"
#include "log/log_stream.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/classes.h"
#include "platform/sysutils.h"

namespace {

// How records of a class take part in grouping.
enum class TGroupRole : uint8_t {
  grNone,
  grStartSession,
  grStopSession,
  grEnter,
  grLeave,
  grSection
};

TGroupRole GroupRoleOf(const TLogEventClass& cls) {
  if (IsStartSession(cls)) return TGroupRole::grStartSession;
  if (IsStopSession(cls)) return TGroupRole::grStopSession;
  if (cls.InheritsFrom(TEnterSectionEvent::StaticClass())) return TGroupRole::grEnter;
  if (cls.InheritsFrom(TLeaveSectionEvent::StaticClass())) return TGroupRole::grLeave;
  if (IsGroupRecord(cls)) return TGroupRole::grSection;
  return TGroupRole::grNone;
}

// Appends records in file order, keeping the running level and the session table.
class TGroupingReader {
 public:
  TGroupingReader(TEventList& records, TSessionTable& sessions)
      : FRecords(records), FSessions(sessions) {}

  // Records of the file appended so far (inserted separators aside).
  int RecordsRead() const { return FRecordsRead; }

  void Append(const TEventSkim& record) {
    ++FRecordsRead;
    const TGroupRole role = RoleOf(*record.Class);
    if (role == TGroupRole::grLeave && FLevel > 1) --FLevel;
    if (role == TGroupRole::grStartSession || role == TGroupRole::grStopSession) FLevel = 0;
    const uint8_t state = role == TGroupRole::grNone ? esPlain : esExpanded;
    const auto index = static_cast<int32_t>(FRecords.size());
    FRecords.Append(record, FLevel, state);
    if (role == TGroupRole::grStartSession) {
      FLevel = 1;
      FSessions.Add({index, static_cast<const TStartSessionEvent&>(*record.Record).GetBeginTime(),
                     static_cast<uint32_t>(record.TickCount)});
    } else if (role == TGroupRole::grEnter) {
      FLevel = std::min(FLevel + 1, kDeepestLevel);
    } else if (role == TGroupRole::grStopSession) {
      FRecords.AppendInsertedSeparator();
    }
  }

 private:
  // A log holds records of a few dozen classes: each class's role is found once.
  TGroupRole RoleOf(const TLogEventClass& cls) {
    TKnownRole& known = FKnownRoles[(reinterpret_cast<uintptr_t>(&cls) >> 4) % FKnownRoles.size()];
    if (known.Class != &cls) known = {&cls, GroupRoleOf(cls)};
    return known.Role;
  }

  TEventList& FRecords;
  TSessionTable& FSessions;
  int32_t FLevel = 0;
  int FRecordsRead = 0;
  struct TKnownRole {
    const TLogEventClass* Class = nullptr;
    TGroupRole Role = TGroupRole::grNone;
  };
  std::array<TKnownRole, 64> FKnownRoles;
};

// Whether reading ran out of bytes inside a record: the record was the last one the file held when
// it was read, whatever a writer has appended since.
bool IsCutOffByTheEnd(const std::exception& error) {
  const auto* tracebookError = dynamic_cast<const ETracebookError*>(&error);
  return tracebookError && tracebookError->MessageId() == log_strings::SRecordCutOff;
}

// Whether no further record begins after the point where reading stopped.
bool NothingFollows(TLogStream& log) {
  try {
    log.SkipToNextBeginToken();
    return log.Seek(0, TSeekOrigin::soCurrent) >= log.Size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::string NotALogMessage(const std::string& fileName) {
  return "Could not read \"" + fileName + "\".\rMost likely it is not an event log file.";
}

std::string BeingWrittenMessage(const std::string& fileName) {
  return "Could not read \"" + fileName +
         "\".\rAnother program is writing it right now; open it again once that program has "
         "closed it.";
}

std::string DamagedMessage(const std::string& reason, int recordsRead) {
  return reason + "\r" +
         Format("The %d %s read before the damage %s shown.", recordsRead,
                recordsRead == 1 ? "record" : "records", recordsRead == 1 ? "is" : "are");
}

TReadResult ReadLogFile(const std::string& fileName, TEventList& records, TSessionTable& sessions) {
  std::unique_ptr<TIndexedLogReader> log;
  try {
    log = std::make_unique<TIndexedLogReader>(fileName);
  } catch (const std::exception&) {
    // A new log is kept from readers while its first session runs.
    if (FileOpenedForWriting(fileName)) {
      return {TReadOutcome::roBeingWritten, BeingWrittenMessage(fileName)};
    }
    return {TReadOutcome::roNotALog, NotALogMessage(fileName)};
  }
  TReadResult result;
  TGroupingReader reader(records, sessions);
  try {
    records.ReserveForFile(log->Stream().Size());
    // Of the records, only a session's start is needed whole, for its begin time.
    const auto wholeRecord = [](const TLogEventClass& cls) { return IsStartSession(cls); };
    TEventSkim record;
    while (log->ReadNext(record, wholeRecord)) reader.Append(record);
  } catch (const std::exception& error) {
    // A writer that keeps appending puts records after a cut-off one while it is being looked
    // at, so only other damage is judged by what follows it.
    const bool lastRecordCutOff = IsCutOffByTheEnd(error) || NothingFollows(log->Stream());
    if (!lastRecordCutOff || !FileOpenedForWriting(fileName)) {
      result = {TReadOutcome::roDamaged, DamagedMessage(error.what(), reader.RecordsRead())};
    }
  }
  // The sentinel closes the table after damage too, so that every session has an end.
  sessions.AddSentinel(static_cast<int32_t>(records.size()));
  records.SetSource(std::move(log));
  return result;
}
