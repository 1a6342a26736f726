#pragma once
// Recording windows, focus and the mouse: the focus given to a widget, a left or right click
// (at its release, naming the widget under the pointer), a window activated, moved or resized,
// minimised, maximised or restored.

class QMouseEvent;
class QWidget;
class QWindowStateChangeEvent;

void RecordFocus(const QWidget& widget);
// `widget` received the release; other buttons than the left and right one are not recorded.
void RecordMouseClick(const QWidget& widget, const QMouseEvent& release);
void RecordActivation(const QWidget& window);
// The window's frame rectangle, right and bottom just outside it.
void RecordMoveSize(const QWidget& window);
// A change to or from the minimised or maximised state; others (full screen alone) are not
// recorded.
void RecordWindowState(const QWidget& window, const QWindowStateChangeEvent& change);
