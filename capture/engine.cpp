// The engine's calls and its start and stop sequences.

#include "capture/engine.h"

#include "capture/exception_diversion.h"
#include "capture/hooks.h"
#include "log/log_lifecycle.h"
#include "log/log_strings.h"
#include "log/markers.h"
#include "log/tracebook_error.h"
#include "platform/vcl/forms.h"

namespace {

bool gStarted = false;

TLogStream& StartedLog() {
  if (!gStarted || !LogStream()) throw ETracebookError(log_strings::SLogNotOpen);
  return *LogStream();
}

}  // namespace

std::string CompleteLogFileName(const std::string& fileName) {
  const std::string exeName = Application().ExeName();
  std::string directory = ExtractFilePath(fileName);
  std::string file = ExtractFileName(fileName);
  if (directory.empty()) directory = ExtractFilePath(exeName);
  if (file.empty()) file = ChangeFileExt(ExtractFileName(exeName), ".evt");
  return directory + file;
}

void StartEventLog(const std::string& fileName, const std::string& applicationID) {
  StopEventLog();
  OpenLogSession(CompleteLogFileName(fileName), applicationID);
  bool hooked = false;
  try {
    InstallHooks();
    hooked = true;
    DivertExceptions();
  } catch (...) {
    // A start that fails half-way leaves nothing behind: no hooks, no open log.
    if (hooked) RemoveHooks();
    CloseLogStream();
    throw;
  }
  gStarted = true;
}

void StopEventLog() {
  if (!gStarted) return;
  gStarted = false;
  RemoveHooks();
  RestoreExceptions();
  CloseLogSession();
}

bool IsLogStarted() { return gStarted; }

void IncludeLogEvent(std::string_view className) { TLogStream::EnableEvent(className, true); }

void IncludeLogEvents(std::span<const std::string> classNames) {
  for (const std::string& name : classNames) IncludeLogEvent(name);
}

void ExcludeLogEvent(std::string_view className) { TLogStream::EnableEvent(className, false); }

void ExcludeLogEvents(std::span<const std::string> classNames) {
  for (const std::string& name : classNames) ExcludeLogEvent(name);
}

void GetRegisteredLogEvents(TStrings* list) { TLogStream::GetRegisteredEvents(list); }

bool LogEventEnabled(std::string_view className) { return TLogStream::IsEventEnabled(className); }

void LogUserMessage(const std::string& message) { WriteUserMessage(StartedLog(), message); }

void LogSectionEvent(const std::string& sectionName, bool enter) {
  WriteSectionEvent(StartedLog(), sectionName, enter);
}

void LogSeparator() { WriteSeparator(StartedLog()); }

void InitializeEngine() { gStarted = false; }

void FinalizeEngine() {
  try {
    StopEventLog();
  } catch (...) {
    // Unloading goes on; the log is closed either way.
  }
}
