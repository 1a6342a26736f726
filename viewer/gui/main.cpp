// oxlane: reads Tracebook event logs. Settings come from Oxlane.ini beside the program; the
// first command-line argument names a log to open.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>

#include "viewer/core/settings.h"
#include "viewer/core/startup.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

int main(int argc, char* argv[]) {
  // A file-size limit makes a write fail instead of ending the program, so that saving the
  // settings reports it like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
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
