#pragma once
// The fonts of the viewer's settings as Qt fonts.

#include <QFont>

#include "viewer/core/settings.h"

// The largest point size the windows accept from the settings file.
inline constexpr int32_t kLargestPointSize = 144;

// The font; a point size outside 1 .. kLargestPointSize (a damaged settings file) is replaced by
// `fallbackSize`, so that no window grows beyond the screen. The settings keep their value.
QFont ToQFont(const TFontSettings& font, int32_t fallbackSize);
