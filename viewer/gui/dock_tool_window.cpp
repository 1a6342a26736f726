// The tool windows' common frame.

#include "viewer/gui/dock_tool_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QShortcut>

#include "viewer/gui/about_box.h"

TDockToolWindow::TDockToolWindow(const QString& title, QSize designedSize, QWidget* parent)
    : QDockWidget(title, parent), FDesignedSize(designedSize) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
  resize(designedSize);
  // Floating, the window is a window of its own: F1 must work there too. Docked, the main
  // window's F1 is in force, and a second one would make the key ambiguous.
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  help->setContext(Qt::WidgetWithChildrenShortcut);
  help->setEnabled(false);
  connect(help, &QShortcut::activated, this, [this] { ShowHelp(this); });
  connect(this, &QDockWidget::topLevelChanged, this, [this, help](bool floating) {
    help->setEnabled(floating);
    if (floating) KeepOnTop();
  });
}

void TDockToolWindow::KeepOnTop() {
  // Qt sets the flags of a floating dock widget itself whenever it floats; the hint goes on top.
  // While the user still drags the window out of its dock the mouse is held by the drag, and
  // setting flags now would recreate the native window under it and break the drag off: then
  // it stays the main window's tool window, which is above the main window anyway.
  if (QGuiApplication::mouseButtons() != Qt::NoButton) return;
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  if (shown) show();
}

QRect TDockToolWindow::SavedBounds() const {
  if (isFloating()) return geometry();
  QRect bounds =
      FFloatingBounds.isNull() ? QRect(mapToGlobal(QPoint(0, 0)), FDesignedSize) : FFloatingBounds;
  // A window not shown yet has no width in the dock.
  if (isVisible()) bounds.setWidth(width());
  return bounds;
}

int TDockToolWindow::PreferredDockWidth() const {
  return FFloatingBounds.isNull() ? FDesignedSize.width() : FFloatingBounds.width();
}

void TDockToolWindow::SetFloatingBounds(const QRect& bounds) {
  FFloatingBounds = bounds;
  if (isFloating()) setGeometry(bounds);
}

void TDockToolWindow::Float() {
  const QRect bounds = SavedBounds();
  setFloating(true);
  setGeometry(bounds);
  RememberFloatingBounds();
}

void TDockToolWindow::RememberFloatingBounds() {
  if (isFloating()) FFloatingBounds = geometry();
}

void TDockToolWindow::closeEvent(QCloseEvent* event) {
  QDockWidget::closeEvent(event);
  if (event->isAccepted() && OnClosed) OnClosed();
}

void TDockToolWindow::moveEvent(QMoveEvent* event) {
  QDockWidget::moveEvent(event);
  RememberFloatingBounds();
}

void TDockToolWindow::resizeEvent(QResizeEvent* event) {
  QDockWidget::resizeEvent(event);
  RememberFloatingBounds();
}
