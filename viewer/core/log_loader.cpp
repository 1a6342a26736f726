// Reading every record of a log and grouping the records under sessions and sections.

#include "viewer/core/log_loader.h"

#include "log/builtin_events.h"
#include "log/indexed_log_reader.h"
#include "log/log_stream.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/classes.h"
#include "platform/sysutils.h"

namespace {

// Appends records in file order, keeping the running level and the session table.
class TGroupingReader {
 public:
  TGroupingReader(TEventList& records, TSessionTable& sessions)
      : FRecords(records), FSessions(sessions) {}

  // Records of the file appended so far (inserted separators aside).
  int RecordsRead() const { return FRecordsRead; }

  void Append(const TLogEvent& record, int64_t offset) {
    ++FRecordsRead;
    const TLogEventClass& cls = record.ClassType();
    const bool startSession = IsStartSession(cls);
    const bool stopSession = IsStopSession(cls);
    if (cls.InheritsFrom(TLeaveSectionEvent::StaticClass()) && FLevel > 1) --FLevel;
    if (startSession || stopSession) FLevel = 0;
    const uint8_t state = IsGroupRecord(cls) ? esExpanded : esPlain;
    const auto index = static_cast<int32_t>(FRecords.size());
    FRecords.Append(record, offset, FLevel, state);
    if (startSession) {
      ++FLevel;
      FSessions.Add({index, static_cast<const TStartSessionEvent&>(record).GetBeginTime(),
                     static_cast<uint32_t>(record.TickCount())});
    } else if (cls.InheritsFrom(TEnterSectionEvent::StaticClass())) {
      ++FLevel;
    } else if (stopSession) {
      FRecords.AppendInsertedSeparator();
    }
  }

 private:
  TEventList& FRecords;
  TSessionTable& FSessions;
  int32_t FLevel = 0;
  int FRecordsRead = 0;
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
    int64_t offset = 0;
    while (std::unique_ptr<TLogEvent> record = log->ReadNext(offset)) {
      reader.Append(*record, offset);
    }
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
  records.ShrinkToFit();
  records.SetSource(std::move(log));
  return result;
}
