#pragma once
// The recorder of one recording: an application-wide event filter that turns focus, mouse and
// window events into records, and connects to the signals of each widget and action it meets (when
// the widget is polished, or at once for the widgets that exist when recording starts). Deleting it
// removes the filter and every connection.

#include <QObject>
#include <QSet>

#include "qvqt/record_actions.h"
#include "qvqt/record_edits.h"

class QAction;
class QApplication;
class QEvent;
class QFocusEvent;
class QWidget;

class TQtRecorder : public QObject {
  Q_OBJECT

 public:
  explicit TQtRecorder(QApplication& application);
  ~TQtRecorder() override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QWidget& widget);
  void WatchAction(QAction& action);
  void FocusIn(QWidget& widget, const QFocusEvent& event);
  void FocusOut(QWidget& widget, const QFocusEvent& event);

  QApplication& FApplication;
  QSet<const QObject*> FWatched;
  TEditVisit FEditVisit;
  TActionRecorder FActions;
};
