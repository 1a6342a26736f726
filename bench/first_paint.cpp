// first_paint LOG: opens LOG in the viewer's main window as the oxlane program does and ends at the
// first paint of the record list after the load. Prints, on one line, the time from the start of
// the process (so that loading the program and its libraries counts) to the end of that paint in
// milliseconds, the resident memory at that moment in kilobytes, and the rows shown:
//
//   first_paint_ms 812 rss_kb 96120 rows 1011010
//
// The start time is the kernel's (/proc/self/stat), which counts in clock ticks (10 ms). Uses Qt's
// offscreen platform when no display is set. The settings are LOG.ini, not the program's own.

#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "viewer/core/settings.h"
#include "viewer/core/startup.h"
#include "viewer/gui/event_list_view.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

namespace {

// Seconds since boot, the clock of the process start time in /proc.
double SecondsSinceBoot() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// When this process started, in seconds since boot: field 22 of /proc/self/stat. The fields are
// counted after the command name's closing parenthesis, since the name may hold blanks.
double ProcessStartSinceBoot() {
  std::ifstream file("/proc/self/stat");
  const std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int number = 3; number <= 22; ++number) fields >> field;
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Reports once the list's viewport has finished its first paint after the log was loaded: the
// report is queued from the paint event, so it runs when that paint is done.
class TFirstPaintWatch : public QObject {
 public:
  TFirstPaintWatch(TEventForm& window, double start) : FWindow(window), FStart(start) {}
  void Arm() { FArmed = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (FArmed && event->type() == QEvent::Paint) {
      FArmed = false;
      QMetaObject::invokeMethod(this, &TFirstPaintWatch::Report, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Report() {
    const double elapsed = SecondsSinceBoot() - FStart;
    std::printf("first_paint_ms %.0f rss_kb %ld rows %d\n", elapsed * 1000.0, ResidentKilobytes(),
                FWindow.View().RowCount());
    std::fflush(stdout);
    QApplication::quit();
  }

  TEventForm& FWindow;
  double FStart;
  bool FArmed = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const double start = ProcessStartSinceBoot();
  if (argc != 2) {
    std::fprintf(stderr, "usage: first_paint LOG\n");
    return 2;
  }
  const std::string log = argv[1];
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Oxlane"));
  TUserDialogs dialogs;
  TOXOptions settings(log + ".ini");
  LoadPackagesAndSettings(settings);

  TEventForm window(settings, dialogs);
  TFirstPaintWatch watch(window, start);
  window.List().viewport()->installEventFilter(&watch);
  window.show();
  window.Load(log);
  watch.Arm();
  return QApplication::exec();
}
