#pragma once
// What the filter window and the inspector share: a tool window that docks into the main
// window's left or right dock area or floats above everything, closes for good (it is freed),
// tells its owner when it was closed, and remembers where it last floated.

#include <QDockWidget>
#include <functional>

class TDockToolWindow : public QDockWidget {
  Q_OBJECT

 public:
  TDockToolWindow(const QString& title, QSize designedSize, QWidget* parent);

  // Called once the window was closed, just before it is freed; the window is still whole.
  std::function<void()> OnClosed;

  // The bounds to remember: floating, the window's own; docked, its last floating place and
  // height (its place in the dock when it never floated) with its width in the dock once shown,
  // so that the window keeps one width whether it floats or docks.
  QRect SavedBounds() const;
  // The width to take in a dock: the width it last floated with, else its designed width.
  int PreferredDockWidth() const;
  // Where the window goes when it floats next.
  void SetFloatingBounds(const QRect& bounds);
  // Takes the window out of its dock area to its floating bounds.
  void Float();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void KeepOnTop();
  void RememberFloatingBounds();

  QSize FDesignedSize;
  QRect FFloatingBounds;
};
