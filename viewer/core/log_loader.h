#pragma once
// Reading a log whole into the record list and the session table: levels and group states of the
// rows, the separators inserted after each end of a session, and the closing sentinel session.

#include <string>

#include "viewer/core/event_list.h"
#include "viewer/core/sessions.h"

enum class TReadOutcome {
  roRead,     // every record was read
  roNotALog,  // the file could not be opened as a log; nothing was read
  roDamaged,  // reading failed part way; the records before the damage were kept
};

struct TReadResult {
  TReadOutcome Outcome = TReadOutcome::roRead;
  std::string Message;  // for the user, when not roRead
};

// Fills the empty `records` and `sessions` from the log; the log is closed again in every case.
TReadResult ReadLogFile(const std::string& fileName, TEventList& records, TSessionTable& sessions);

// The message for a file that cannot be opened as a log.
std::string NotALogMessage(const std::string& fileName);
