#pragma once
// Reading a log into the record list and the session table, whole or the records appended to it
// since: levels and group states of the rows, the separators inserted after each end of a
// session, and the closing sentinel session.

#include <cstdint>
#include <string>

#include "viewer/core/event_list.h"
#include "viewer/core/record_grouping.h"
#include "viewer/core/sessions.h"

enum class TReadOutcome {
  roRead,          // every record was read, or all but one that is still being written
  roNotALog,       // the file could not be opened as a log; nothing was read
  roBeingWritten,  // another program writes the file and lets nobody read it yet
  roDamaged,       // reading failed part way; the records before the damage were kept
  roCancelled,     // the reading was stopped; what was read is to be thrown away
};

struct TReadResult {
  TReadOutcome Outcome = TReadOutcome::roRead;
  std::string Message;  // for the user, when not roRead
};

// Told now and then while a log is read whole.
class TReadProgress {
 public:
  virtual ~TReadProgress() = default;
  // `recordsRead` records are read, up to `position` of the file's `size` bytes; false stops the
  // reading.
  virtual bool Continue(int recordsRead, int64_t position, int64_t size) = 0;
};

// Fills the empty `records` and `sessions` from the log, with a new `grouping`; `records` keeps
// the log open for reading its records again, and for reading on. A file that is not a log, or a
// reading cancelled by `progress`, closes it again.
// A record cut off with no record after it, in a file that another open is writing, is a record
// being written (a writer appends each record in one write, and a reader may see it half done):
// reading ends before it without damage, and a reload shows it whole. Anything else that stops
// the reading is damage.
TReadResult ReadLogFile(const std::string& fileName, TEventList& records, TSessionTable& sessions,
                        TRecordGrouping& grouping, TReadProgress* progress = nullptr);
// Reads on from where the last reading of the log that `records` keeps open stopped: the records
// appended since, grouped as if the log had been read whole, and a record being written when the
// last reading ended. Judges the end of the reading as ReadLogFile does.
TReadResult ReadAppendedRecords(const std::string& fileName, TEventList& records,
                                TSessionTable& sessions, TRecordGrouping& grouping);

// The message for a file that cannot be opened as a log.
std::string NotALogMessage(const std::string& fileName);
// The message for a file that cannot be opened because another program is writing it.
std::string BeingWrittenMessage(const std::string& fileName);
// The message for damage that stopped the reading after `recordsRead` records.
std::string DamagedMessage(const std::string& reason, int recordsRead);
