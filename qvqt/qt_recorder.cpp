// The recorder's event filter and the widgets it watches.

#include "qvqt/qt_recorder.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "qvqt/record_buttons.h"
#include "qvqt/record_combo_boxes.h"
#include "qvqt/record_sliders.h"
#include "qvqt/record_tabs.h"
#include "qvqt/record_windows.h"

TQtRecorder::TQtRecorder(QApplication& application) : FApplication(application) {
  for (QWidget* widget : QApplication::allWidgets()) {
    Watch(*widget);
    for (QAction* action : widget->actions()) WatchAction(*action);
  }
  // The widget that has the focus now starts its visit without a record of its own.
  if (QWidget* focus = QApplication::focusWidget(); focus && IsRecordedEdit(*focus)) {
    FEditVisit.Enter(*focus);
  }
  FApplication.installEventFilter(this);
}

TQtRecorder::~TQtRecorder() { FApplication.removeEventFilter(this); }

bool TQtRecorder::eventFilter(QObject* watched, QEvent* event) {
  // Every event of the program passes here: those not recorded leave after this one test.
  switch (event->type()) {
    case QEvent::Polish:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::MouseButtonRelease:
    case QEvent::WindowActivate:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::KeyPress:
    case QEvent::ActionAdded:
      break;
    case QEvent::Shortcut:
      FActions.Shortcut();
      return false;
    default:
      return false;
  }
  if (!watched->isWidgetType()) return false;
  auto& widget = static_cast<QWidget&>(*watched);
  switch (event->type()) {
    case QEvent::Polish:
      Watch(widget);
      break;
    case QEvent::FocusIn:
      FocusIn(widget, static_cast<const QFocusEvent&>(*event));
      break;
    case QEvent::FocusOut:
      FocusOut(widget, static_cast<const QFocusEvent&>(*event));
      break;
    case QEvent::MouseButtonRelease: {
      // A release that a child ignored reaches its parents too, over that child: it is
      // recorded at the widget that received it first.
      const auto& release = static_cast<const QMouseEvent&>(*event);
      if (!widget.childAt(release.position().toPoint())) {
        FActions.Input(widget);
        RecordMouseClick(widget, release);
      }
      break;
    }
    case QEvent::KeyPress:
      // A key reaches the focus or an open menu first, then the parents that ignore it.
      if (widget.hasFocus() || QApplication::activePopupWidget() == &widget) FActions.Input(widget);
      break;
    case QEvent::ActionAdded:
      WatchAction(*static_cast<const QActionEvent&>(*event).action());
      break;
    case QEvent::WindowActivate:
      if (widget.isWindow()) RecordActivation(widget);
      break;
    case QEvent::Move:
    case QEvent::Resize:
      // Before a window is shown its geometry is only being prepared.
      if (widget.isWindow() && widget.isVisible()) RecordMoveSize(widget);
      break;
    case QEvent::WindowStateChange:
      if (widget.isWindow()) {
        RecordWindowState(widget, static_cast<const QWindowStateChangeEvent&>(*event));
      }
      break;
    default:
      break;
  }
  return false;
}

void TQtRecorder::Watch(QWidget& widget) {
  if (FWatched.contains(&widget)) return;
  FWatched.insert(&widget);
  connect(&widget, &QObject::destroyed, this, [this](QObject* gone) { FWatched.remove(gone); });
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    WatchButton(*button, *this);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    WatchComboBox(*combo, *this);
  } else if (auto* bar = qobject_cast<QTabBar*>(&widget)) {
    WatchTabBar(*bar, *this);
  } else if (auto* slider = qobject_cast<QAbstractSlider*>(&widget)) {
    WatchSlider(*slider, *this);
  } else if (IsRecordedEdit(widget)) {
    FEditVisit.Watch(widget, *this);
  }
}

void TQtRecorder::WatchAction(QAction& action) {
  if (FWatched.contains(&action)) return;
  FWatched.insert(&action);
  connect(&action, &QObject::destroyed, this, [this](QObject* gone) { FWatched.remove(gone); });
  FActions.Watch(action, *this);
}

void TQtRecorder::FocusIn(QWidget& widget, const QFocusEvent& event) {
  // A popup (a context menu, a combo box's list) lends the focus out and gives it back: the
  // visit goes on and nobody gave the focus anew.
  if (event.reason() == Qt::PopupFocusReason) return;
  RecordFocus(widget);
  if (IsRecordedEdit(widget)) FEditVisit.Enter(widget);
}

void TQtRecorder::FocusOut(QWidget& widget, const QFocusEvent& event) {
  if (event.reason() == Qt::PopupFocusReason) return;
  if (IsRecordedEdit(widget)) {
    FEditVisit.Leave(widget);
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    ComboBoxFocusLeft(*combo);
  }
}
