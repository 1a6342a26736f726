#pragma once
// Colours of the viewer's settings on the Qt screen: plain colours are 0x00BBGGRR, system
// colours (0x80000000 plus an index) take the application palette's matching role.

#include <QColor>

#include "platform/graphics.h"

inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clGrayText = 0x80000011;

QColor ToQColor(TColor color);
// The plain 0x00BBGGRR value a colour shows as now.
TColor ToRgb(TColor color);
