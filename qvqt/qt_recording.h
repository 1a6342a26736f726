#pragma once
// Recording a Qt 6 Widgets program: one call starts writing the program's user actions to a
// log, with the same session records and record classes as the simulated platform's engine;
// the program's own markers go to the same log.

#include <string>

// Starts recording into `fileName` (a restart when recording runs already). A missing directory
// part means the program's folder, a missing file part the program's name with ".evt"; an
// existing log is appended to. Needs the QApplication to exist. On failure nothing is recorded,
// no log stays open and the failure reaches the caller.
void StartQtRecording(const std::string& fileName, const std::string& applicationID);
// Stops recording: the application is left alone again, the session's end is written and the
// log closed. Harmless while not recording; the application's aboutToQuit does it too.
void StopQtRecording();
bool IsQtRecording();

// The program's markers; each raises ETracebookError "Tracebook is not open" while not recording.
void LogQtUserMessage(const std::string& message);
void LogQtSectionEvent(const std::string& sectionName, bool enter);
void LogQtSeparator();
