// qt_orders: a small Qt order form for recording real Qt programs.
//
//   qt_orders [--log FILE] [--play]
//
// --log records the run into FILE; --play plays a scripted order session on the form and ends,
// so that it runs without anyone at the keyboard (offscreen when there is no display).

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "order_form.h"
#include "order_session.h"
#include "qvqt/qt_recording.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::string log;
  bool play = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--log") == 0 && i + 1 < argc) {
      log = argv[++i];
    } else if (std::strcmp(argv[i], "--play") == 0) {
      play = true;
    } else {
      std::fprintf(stderr, "usage: qt_orders [--log FILE] [--play]\n");
      return 2;
    }
  }
  if (play && log.empty()) {
    std::fprintf(stderr, "qt_orders: --play records its session: give --log FILE\n");
    return 2;
  }
  if (!log.empty()) {
    try {
      StartQtRecording(log, "Orders");
    } catch (const std::exception& error) {
      std::fprintf(stderr, "qt_orders: cannot record into %s: %s\n", log.c_str(), error.what());
      return 1;
    }
  }
  TOrderForm form;
  form.show();
  if (!play) return app.exec();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  PlayOrderSession(form);
  StopQtRecording();
  return 0;
}
