#pragma once
// Where the viewer's windows go on the screen: dialogs in its middle, remembered placements on it.

#include <QRect>

#include "viewer/core/settings.h"

class QWidget;

// Moves the window so that it sits in the middle of the screen it is on (or the primary screen).
void CenterOnScreen(QWidget& window);
// The bounds moved and, if need be, shrunk so that they lie inside the available area of the
// screen that holds their centre (or of the primary screen): a placement remembered on a screen
// that is gone, or written into the settings by hand, still gives a reachable window.
QRect FitOnScreen(const QRect& bounds);
// The remembered rectangle; sides too far apart for a screen are cut to the largest widget.
QRect RememberedBounds(const TWindowSettings& placement);
