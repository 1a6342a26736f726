// oxlane: reads Tracebook event logs. Settings come from Oxlane.ini beside the program; the
// first command-line argument names a log to open; without one the last log shown opens again.
// "--export" and "--help" run without a window, before any application object exists, so that they
// need no display.

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "viewer/core/command_line.h"
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

// The program's folder, as the application object would give it: the executable's real path.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0 != nullptr ? argv0 : "", error).parent_path();
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file-size limit makes a write fail instead of ending the program, so that saving the
  // settings or an export reports it like a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::filesystem::path program = ProgramFolder(argv[0]) / "Oxlane";
  TOXOptions settings(TOXOptions::FileNameFor(program.string()));
  const std::vector<std::string> options(argc > 0 ? argv + 1 : argv, argv + argc);
  if (const std::optional<int> done = RunCommandLine(options, settings, std::cout, std::cerr)) {
    return *done;
  }

  gQtMessages = qInstallMessageHandler(&ReportStartFailure);
  QApplication app(argc, argv);
  qInstallMessageHandler(gQtMessages);
  // The name only: a display name would be appended to every window title by the platform.
  QApplication::setApplicationName(QStringLiteral("Oxlane"));
  TUserDialogs dialogs;

  settings.OnError = [&dialogs](const std::string& text) { dialogs.Error(nullptr, text); };
  LoadPackagesAndSettings(settings);

  TEventForm window(settings, dialogs);
  window.show();
  // Qt has taken its own options out of the arguments.
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1)) {
    arguments.push_back(argument.toStdString());
  }
  window.LoadAtStart(arguments);
  return QApplication::exec();
}
