#pragma once
// The fixed texts of the main window built from the viewer's state: caption, status panels,
// captions of the Next and Previous commands, and the messages about the current file.

#include <string>

#include "platform/datetime.h"

inline constexpr const char* kNoMoreEventsText = "No more events of this type.";

// "Oxlane", or "Oxlane - " and the file's full name.
std::string WindowCaption(const std::string& currentFile);
// Status panel 0: records (inserted separators included), sessions and visible rows.
std::string CountsText(int records, int sessions, int visible);
// Status panel 1: the focused row's place in its session, which started at `beginText`.
std::string SessionPositionText(int positionInSession, int sessionRows, int session,
                                const std::string& beginText);
// Captions of the Next and Previous Event commands for the selected record's event name.
std::string NextEventCaption(const std::string& eventName);
std::string PreviousEventCaption(const std::string& eventName);
// The question asked when the current file changed on disk.
std::string FileChangedQuestion(const std::string& fileName);
