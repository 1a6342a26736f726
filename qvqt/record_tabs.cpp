// Tab records: the tab chosen, with its text and index.

#include "qvqt/record_tabs.h"

#include <QTabBar>
#include <QTabWidget>

#include "families/win32_events.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

// The press comes before the bar changes its tab: a click on the current tab or a disabled one
// chooses nothing.
void RecordClick(const QTabBar& bar, int index) {
  if (index < 0 || index == bar.currentIndex() || !bar.isTabEnabled(index)) return;
  const QObject* control = qobject_cast<const QTabWidget*>(bar.parentWidget());
  if (!control) control = &bar;
  WriteQtRecord(std::make_unique<TTabControlChangeEvent>(ControlPath(*control),
                                                         bar.tabText(index).toStdString(), index));
}

}  // namespace

void WatchTabBar(QTabBar& bar, QObject& context) {
  QTabBar* watched = &bar;
  QObject::connect(watched, &QTabBar::tabBarClicked, &context,
                   [watched](int index) { RecordClick(*watched, index); });
}
