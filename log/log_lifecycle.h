#pragma once
// The process's one log: opening it for writing (created with its signature, or appended to) or
// for reading, closing it, and the library-wide variables through which everything reaches it.

#include <memory>
#include <string>

#include "log/log_stream.h"
#include "platform/classes.h"
#include "platform/vcl/application.h"

// Opens the log and makes it current. Writing creates a missing file with its signature (shared
// with readers, never with another writer) and appends to an existing log; reading requires the log
// to exist. A log that is open already raises ETracebookError "Tracebook is already open" and stays
// as it is; so does a file that is not a log. An existing log that cannot be opened (locked,
// access denied) raises the file stream's error and is left as it was; a log that cannot be
// created leaves no file.
void CreateLogStream(const std::string& fileName, bool writing);
// Opens an existing log for reading, shared with every other open, positioned after its
// signature; raises ETracebookError for a missing file or one that is not a log, and the file
// stream's error when it cannot be opened.
std::unique_ptr<TFileStream> OpenLogFileForReading(const std::string& fileName);
// Closes the current log; harmless when none is open.
void CloseLogStream();
// A session of the process's log: opens the log for writing, as CreateLogStream does, and writes
// the start of a session for `applicationID`; when that write fails, the log is closed again and
// the failure raised.
void OpenLogSession(const std::string& fileName, const std::string& applicationID);
// Writes the end of the session, when a log is open, and closes the log, also when the write
// fails (the failure is raised after the close).
void CloseLogSession();
// The current log stream and its file, or nullptr.
TLogStream* LogStream();
TFileStream* FileStream();

// The format of session records' date-times: the user's short date and short time formats.
std::string& QVDateTimeFormat();

// The windowed host's exception handler that was in place before logging started (empty when
// there was none); LogException passes exceptions on to it.
TExceptionEventHandler& SavedAppOnException();
// What LogException does once the record is written: the saved handler, or the standard display
// when there is none.
void PassExceptionOn(TObject* sender, const std::exception& exception);

// The record model's part of library load and unload.
void InitializeRecordModel();
void FinalizeRecordModel();
