#pragma once
// Recording tab bars: the tab the user clicked to choose it. A tab widget's own bar is named by
// the tab widget.

class QObject;
class QTabBar;

// Connects to the bar's click; `context` ends the connection when deleted.
void WatchTabBar(QTabBar& bar, QObject& context);
