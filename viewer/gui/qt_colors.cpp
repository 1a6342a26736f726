// Mapping the settings' colours to Qt colours.

#include "viewer/gui/qt_colors.h"

#include <QApplication>
#include <QPalette>

namespace {

constexpr TColor kSystemColorBit = 0x80000000;

QColor SystemColor(uint32_t index) {
  const QPalette palette = QApplication::palette();
  switch (index) {
    case 5:  // window background
      return palette.color(QPalette::Base);
    case 13:  // highlight
      return palette.color(QPalette::Highlight);
    case 14:  // highlighted text
      return palette.color(QPalette::HighlightedText);
    case 15:  // button face
      return palette.color(QPalette::Button);
    case 16:  // button shadow
      return palette.color(QPalette::Dark);
    case 17:  // grey (disabled) text
      return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:  // button text
      return palette.color(QPalette::ButtonText);
    case 23:  // tooltip text
      return palette.color(QPalette::ToolTipText);
    case 24:  // tooltip background
      return palette.color(QPalette::ToolTipBase);
    default:  // window text and the rest
      return palette.color(QPalette::Text);
  }
}

}  // namespace

QColor ToQColor(TColor color) {
  if ((color & kSystemColorBit) != 0) return SystemColor(color & 0xFF);
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

TColor ToRgb(TColor color) {
  const QColor c = ToQColor(color);
  return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
         static_cast<TColor>(c.blue()) << 16;
}
