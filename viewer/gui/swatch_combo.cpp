// Drawing the colour swatches of the Options dialog.

#include "viewer/gui/swatch_combo.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "viewer/core/options_editor.h"
#include "viewer/gui/qt_colors.h"

namespace {

constexpr int kColorRole = Qt::UserRole;

TColor ItemColor(const QModelIndex& index) { return index.data(kColorRole).toUInt(); }

class TSwatchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    PaintSwatch(*painter, option.rect, ItemColor(index),
                (option.state & QStyle::State_Selected) != 0);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), kSwatchHeight);
  }
};

}  // namespace

void PaintSwatch(QPainter& painter, const QRect& rect, TColor color, bool selected) {
  painter.save();
  painter.fillRect(rect, ToQColor(selected ? clHighlight : clWindow));
  const QRect frame = rect.adjusted(2, 2, -2, -2);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame.adjusted(0, 0, -1, -1));  // a pen rectangle covers one more pixel
  painter.fillRect(frame.adjusted(1, 1, -1, -1), ToQColor(color));
  painter.restore();
}

TSwatchCombo::TSwatchCombo(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new TSwatchDelegate(this));
  for (const TSwatch& swatch : kSwatches) {
    addItem(QString());
    setItemData(count() - 1, static_cast<uint>(swatch.Color), kColorRole);
    setItemData(count() - 1, QString::fromLatin1(swatch.Name), Qt::ToolTipRole);
  }
}

void TSwatchCombo::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() < 0) return;
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  PaintSwatch(painter, field, ItemColor(model()->index(currentIndex(), 0)),
              hasFocus() && isEnabled());
}
