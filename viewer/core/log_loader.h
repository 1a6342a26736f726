#pragma once
// Reading a log whole into the record list and the session table: levels and group states of the
// rows, the separators inserted after each end of a session, and the closing sentinel session.

#include <string>

#include "viewer/core/event_list.h"
#include "viewer/core/sessions.h"

enum class TReadOutcome {
  roRead,          // every record was read, or all but one that is still being written
  roNotALog,       // the file could not be opened as a log; nothing was read
  roBeingWritten,  // another program writes the file and lets nobody read it yet
  roDamaged,       // reading failed part way; the records before the damage were kept
};

struct TReadResult {
  TReadOutcome Outcome = TReadOutcome::roRead;
  std::string Message;  // for the user, when not roRead
};

// Fills the empty `records` and `sessions` from the log, which `records` keeps open for reading
// its records again; a file that is not a log is closed again.
// A record cut off with no record after it, in a file that another open is writing, is a record
// being written (a writer appends each record in one write, and a reader may see it half done):
// reading ends before it without damage, and a reload shows it whole. Anything else that stops
// the reading is damage.
TReadResult ReadLogFile(const std::string& fileName, TEventList& records, TSessionTable& sessions);

// The message for a file that cannot be opened as a log.
std::string NotALogMessage(const std::string& fileName);
// The message for a file that cannot be opened because another program is writing it.
std::string BeingWrittenMessage(const std::string& fileName);
// The message for damage that stopped the reading after `recordsRead` records.
std::string DamagedMessage(const std::string& reason, int recordsRead);
