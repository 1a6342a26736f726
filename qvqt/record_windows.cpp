// Focus, mouse-click and window records.

#include "qvqt/record_windows.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "families/api_events.h"
#include "families/family_strings.h"
#include "platform/strtable.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

// Records keep coordinates in 16 bits.
int16_t Low16(int value) { return static_cast<int16_t>(value); }

}  // namespace

void RecordFocus(const QWidget& widget) {
  WriteQtRecord(std::make_unique<TSetFocusEvent>(ControlPath(widget)));
}

void RecordMouseClick(const QWidget& widget, const QMouseEvent& release) {
  if (release.button() != Qt::LeftButton && release.button() != Qt::RightButton) return;
  const QPoint point = release.position().toPoint();
  WriteQtRecord(
      std::make_unique<TMouseClickEvent>(ControlPath(widget), Low16(point.x()), Low16(point.y())));
}

void RecordActivation(const QWidget& window) {
  WriteQtRecord(std::make_unique<TActivateEvent>(ControlPath(window)));
}

void RecordMoveSize(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  WriteQtRecord(std::make_unique<TMoveSizeEvent>(
      ControlPath(window), Low16(frame.left()), Low16(frame.top()),
      Low16(frame.left() + frame.width()), Low16(frame.top() + frame.height())));
}

void RecordWindowState(const QWidget& window, const QWindowStateChangeEvent& change) {
  const Qt::WindowStates now = window.windowState();
  int command = 0;
  if (now & Qt::WindowMinimized) {
    command = family_strings::SShowMinimize;
  } else if (now & Qt::WindowMaximized) {
    command = family_strings::SShowMaximized;
  } else if (change.oldState() & (Qt::WindowMinimized | Qt::WindowMaximized)) {
    command = family_strings::SShowRestore;
  } else {
    return;
  }
  WriteQtRecord(std::make_unique<TMinMaxEvent>(ControlPath(window), LoadStr(command)));
}
