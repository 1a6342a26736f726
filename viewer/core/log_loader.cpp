// Reading the records of a log, whole or those appended since, into the record list.

#include "viewer/core/log_loader.h"

#include <cstdint>
#include <memory>

#include "log/indexed_log_reader.h"
#include "log/log_stream.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/classes.h"
#include "platform/sysutils.h"
#include "viewer/core/record_grouping.h"

namespace {

// Records read between two reports of progress.
constexpr int kProgressStep = 8192;

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

namespace {

// Reads from where the log stands to its end, judging what stopped the reading.
TReadResult ReadOn(TIndexedLogReader& log, const std::string& fileName, TEventList& records,
                   TSessionTable& sessions, TRecordGrouping& grouping, TReadProgress* progress) {
  const int64_t size = progress ? log.Stream().Size() : 0;
  // Of the records, only a session's start is needed whole, for its begin time.
  const auto wholeRecord = [](const TLogEventClass& cls) { return IsStartSession(cls); };
  TEventSkim record;
  int untilProgress = kProgressStep;
  // A writer that closes the log right after finishing its last record may do so between the
  // cut-off read and the look at whether it still writes: the record is read once more.
  for (bool again = true;; again = false) {
    try {
      while (log.ReadNext(record, wholeRecord)) {
        grouping.Append(record, records, sessions);
        if (progress && --untilProgress == 0) {
          untilProgress = kProgressStep;
          if (!progress->Continue(grouping.RecordsRead(), record.Offset, size)) {
            return {TReadOutcome::roCancelled, {}};
          }
        }
      }
      return {};
    } catch (const std::exception& error) {
      // A writer that keeps appending puts records after a cut-off one while it is being looked
      // at, so only other damage is judged by what follows it.
      const bool cutOffByTheEnd = IsCutOffByTheEnd(error);
      const bool lastRecordCutOff = cutOffByTheEnd || NothingFollows(log.Stream());
      if (lastRecordCutOff && FileOpenedForWriting(fileName)) return {};
      if (!again || !cutOffByTheEnd) {
        return {TReadOutcome::roDamaged, DamagedMessage(error.what(), grouping.RecordsRead())};
      }
    }
  }
}

}  // namespace

TReadResult ReadLogFile(const std::string& fileName, TEventList& records, TSessionTable& sessions,
                        TRecordGrouping& grouping, TReadProgress* progress) {
  std::unique_ptr<TIndexedLogReader> log;
  try {
    log = std::make_unique<TIndexedLogReader>(fileName);
  } catch (const std::exception&) {
    // Another program may open a log for itself alone.
    if (FileOpenedForWriting(fileName)) {
      return {TReadOutcome::roBeingWritten, BeingWrittenMessage(fileName)};
    }
    return {TReadOutcome::roNotALog, NotALogMessage(fileName)};
  }
  records.ReserveForFile(log->Stream().Size());
  const TReadResult result = ReadOn(*log, fileName, records, sessions, grouping, progress);
  if (result.Outcome == TReadOutcome::roCancelled) return result;
  // The sentinel closes the table after damage too, so that every session has an end.
  sessions.AddSentinel(static_cast<int32_t>(records.size()));
  records.SetSource(std::move(log));
  return result;
}

TReadResult ReadAppendedRecords(const std::string& fileName, TEventList& records,
                                TSessionTable& sessions, TRecordGrouping& grouping) {
  TIndexedLogReader* log = records.Source();
  if (log == nullptr) return {};
  sessions.RemoveSentinel();
  const TReadResult result = ReadOn(*log, fileName, records, sessions, grouping, nullptr);
  sessions.AddSentinel(static_cast<int32_t>(records.size()));
  return result;
}
