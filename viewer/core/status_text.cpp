// Building the main window's texts.

#include "viewer/core/status_text.h"

#include "platform/sysutils.h"

std::string WindowCaption(const std::string& currentFile) {
  return currentFile.empty() ? std::string("Oxlane") : "Oxlane - " + currentFile;
}

std::string CountsText(int records, int sessions, int visible) {
  return Format(" %d Events in %d Sessions, %d Visible ", records, sessions, visible);
}

std::string SessionPositionText(int positionInSession, int sessionRows, int session,
                                const std::string& beginText) {
  return Format("Event %d of %d in session %d started at %s", positionInSession, sessionRows,
                session, beginText);
}

std::string NextEventCaption(const std::string& eventName) {
  return Format("&Next %s event", eventName);
}

std::string PreviousEventCaption(const std::string& eventName) {
  return Format("&Previous %s event", eventName);
}

std::string FileChangedQuestion(const std::string& fileName) {
  return fileName + " has changed.\rReload the event log file?";
}
