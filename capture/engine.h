#pragma once
// The engine's calls: opening and closing the log of a host program with its session records,
// hooks and exception diversion; switching record classes on and off; the host's own markers.

#include <span>
#include <string>
#include <string_view>

#include "platform/classes.h"

// Starts logging to `fileName` (a restart when logging already runs). A missing directory part
// means the program's folder, a missing file part the program's name with ".evt". On failure
// the log is closed again, no hook stays installed and the failure reaches the caller.
void StartEventLog(const std::string& fileName, const std::string& applicationID);
// Stops logging: hooks removed, exception handling restored, end-of-session record, log closed.
void StopEventLog();
bool IsLogStarted();

void IncludeLogEvent(std::string_view className);
void IncludeLogEvents(std::span<const std::string> classNames);
void ExcludeLogEvent(std::string_view className);
void ExcludeLogEvents(std::span<const std::string> classNames);
void GetRegisteredLogEvents(TStrings* list);
bool LogEventEnabled(std::string_view className);

// The host's markers; each raises ETracebookError "Tracebook is not open" while not started.
void LogUserMessage(const std::string& message);
void LogSectionEvent(const std::string& sectionName, bool enter);
void LogSeparator();

// The engine's part of library load and unload: unloading stops a running log.
void InitializeEngine();
void FinalizeEngine();

// The log file a start with `fileName` writes to.
std::string CompleteLogFileName(const std::string& fileName);
