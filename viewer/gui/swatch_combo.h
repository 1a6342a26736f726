#pragma once
// The drop-down list of colour swatches in the Options dialog: each item, and the closed box, is
// the colour alone inside a black frame, on the highlight colour while selected.

#include <QComboBox>

#include "platform/graphics.h"

class QPainter;

// The height of a swatch item, in pixels.
inline constexpr int kSwatchHeight = 16;

// Draws one swatch into `rect`.
void PaintSwatch(QPainter& painter, const QRect& rect, TColor color, bool selected);

class TSwatchCombo : public QComboBox {
  Q_OBJECT

 public:
  // Lists the colours of the Options dialog, in their order, with their names as tool tips.
  explicit TSwatchCombo(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
