// Starting and stopping a Qt program's recording, and its markers.

#include "qvqt/qt_recording.h"

#include <QApplication>
#include <QFileInfo>
#include <stdexcept>

#include "log/log_lifecycle.h"
#include "log/log_strings.h"
#include "log/markers.h"
#include "log/tracebook_error.h"
#include "platform/sysutils.h"
#include "qvqt/qt_recorder.h"
#include "qvqt/record_writer.h"

namespace {

TQtRecorder* gRecorder = nullptr;

TLogStream& RecordingLog() {
  if (!gRecorder || !LogStream()) throw ETracebookError(log_strings::SLogNotOpen);
  return *LogStream();
}

// The log file a start with `fileName` writes to: the program's folder and name fill what is
// missing.
std::string CompleteFileName(const std::string& fileName) {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  std::string directory = ExtractFilePath(fileName);
  std::string file = ExtractFileName(fileName);
  if (directory.empty()) directory = program.absolutePath().toStdString() + "/";
  if (file.empty()) file = program.completeBaseName().toStdString() + ".evt";
  return directory + file;
}

}  // namespace

void StartQtRecording(const std::string& fileName, const std::string& applicationID) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!application) throw std::logic_error("StartQtRecording needs the QApplication to exist");
  StopQtRecording();
  OpenLogSession(CompleteFileName(fileName), applicationID);
  ResetQtWriteFailure();
  gRecorder = new TQtRecorder(*application);
  QObject::connect(application, &QCoreApplication::aboutToQuit, gRecorder, &StopQtRecording);
}

void StopQtRecording() {
  if (!gRecorder) return;
  delete gRecorder;  // takes the event filter and every connection along
  gRecorder = nullptr;
  CloseLogSession();
}

bool IsQtRecording() { return gRecorder != nullptr; }

void LogQtUserMessage(const std::string& message) { WriteUserMessage(RecordingLog(), message); }

void LogQtSectionEvent(const std::string& sectionName, bool enter) {
  WriteSectionEvent(RecordingLog(), sectionName, enter);
}

void LogQtSeparator() { WriteSeparator(RecordingLog()); }
