// oxlane: reads Tracebook event logs. Settings come from Oxlane.ini beside the program; the
// first command-line argument names a log to open.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "viewer/core/settings.h"
#include "viewer/core/startup.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

namespace {

QtMessageHandler gQtMessages = nullptr;

// While the application object is made: Qt ends the program when it cannot reach a display, with
// a message that suggests reinstalling. Say instead what is wrong and how to go on.
void ReportStartFailure(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (gQtMessages) gQtMessages(type, context, text);
    return;
  }
  const QByteArray display = qgetenv("DISPLAY");
  std::fprintf(stderr,
               "oxlane: no window can be opened: the display (DISPLAY=%s) cannot be reached. "
               "Set DISPLAY to a running X server.\n",
               display.isEmpty() ? "not set" : display.constData());
  std::fflush(stderr);
  std::_Exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file-size limit makes a write fail instead of ending the program, so that saving the
  // settings reports it like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  gQtMessages = qInstallMessageHandler(&ReportStartFailure);
  QApplication app(argc, argv);
  qInstallMessageHandler(gQtMessages);
  // The name only: a display name would be appended to every window title by the platform.
  QApplication::setApplicationName(QStringLiteral("Oxlane"));
  TUserDialogs dialogs;

  const QString program = QDir(QApplication::applicationDirPath()).filePath("Oxlane");
  TOXOptions settings(TOXOptions::FileNameFor(program.toStdString()));
  settings.OnError = [&dialogs](const std::string& text) { dialogs.Error(nullptr, text); };
  LoadPackagesAndSettings(settings);

  TEventForm window(settings, dialogs);
  window.show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const QFileInfo file(arguments.at(1));
    if (file.exists()) window.Load(file.absoluteFilePath().toStdString());
  }
  return QApplication::exec();
}
