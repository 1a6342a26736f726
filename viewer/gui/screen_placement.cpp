// Placing windows on the screen.

#include "viewer/gui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

const QScreen* ScreenFor(const QPoint& point) {
  const QScreen* screen = QGuiApplication::screenAt(point);
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

void CenterOnScreen(QWidget& window) {
  const QWidget* anchor = window.parentWidget() != nullptr ? window.parentWidget() : &window;
  const QScreen* screen = ScreenFor(anchor->mapToGlobal(anchor->rect().center()));
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

QRect FitOnScreen(const QRect& bounds) {
  const QScreen* screen = ScreenFor(bounds.center());
  if (screen == nullptr) return bounds;
  const QRect area = screen->availableGeometry();
  const QSize size = bounds.size().boundedTo(area.size());
  // Placed at once: moving a rectangle that starts far off the screen would overflow.
  return QRect(QPoint(std::clamp(bounds.left(), area.left(), area.right() - size.width() + 1),
                      std::clamp(bounds.top(), area.top(), area.bottom() - size.height() + 1)),
               size);
}

QRect RememberedBounds(const TWindowSettings& placement) {
  const auto extent = [](int32_t from, int32_t to) {
    return static_cast<int>(std::min<int64_t>(int64_t{to} - from, QWIDGETSIZE_MAX));
  };
  return QRect(placement.Left, placement.Top, extent(placement.Left, placement.Right),
               extent(placement.Top, placement.Bottom));
}
