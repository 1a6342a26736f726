// Turning the settings' fonts into Qt fonts.

#include "viewer/gui/qt_fonts.h"

QFont ToQFont(const TFontSettings& font, int32_t fallbackSize) {
  const bool usable = font.Size >= 1 && font.Size <= kLargestPointSize;
  return QFont(QString::fromStdString(font.Name), usable ? font.Size : fallbackSize);
}
