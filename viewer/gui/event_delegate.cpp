// Painting the record list's cells.

#include "viewer/gui/event_delegate.h"

#include <QApplication>
#include <QPainter>

#include "viewer/core/row_look.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/qt_colors.h"
#include "viewer/gui/record_images.h"

TEventDelegate::TEventDelegate(QObject* parent)
    : QStyledItemDelegate(parent), FImages(LoadRecordImages()) {}

QRect TEventDelegate::ImageArea(const QRect& firstCell, int indent) {
  return QRect(firstCell.left() + indent * kImageSize, firstCell.top(), kImageSize,
               firstCell.height());
}

void TEventDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const TColor color = index.data(TEventModel::ColorRole).toUInt();
  option->palette.setColor(QPalette::Text, ToQColor(color));
  option->font.setBold(index.data(TEventModel::BoldRole).toBool());
  option->font.setItalic(index.data(TEventModel::ItalicRole).toBool());
  if (index.column() != 0) return;
  const int image = index.data(TEventModel::ImageRole).toInt();
  option->features |= QStyleOptionViewItem::HasDecoration;
  option->decorationSize = QSize(kImageSize, kImageSize);
  option->icon = image >= 0 && image < static_cast<int>(FImages.size())
                     ? QIcon(FImages[static_cast<size_t>(image)])
                     : QIcon();
}

void TEventDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const auto kind = static_cast<TRowKind>(index.data(TEventModel::KindRole).toInt());
  if (kind != TRowKind::rkRecord) {
    PaintSeparator(painter, option, index, kind == TRowKind::rkInsertedSeparator);
    return;
  }
  if (index.column() != 0) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The indent is left blank but selected with the row.
  const int indent = index.data(TEventModel::IndentRole).toInt();
  QStyleOptionViewItem shifted(option);
  shifted.rect.setLeft(ImageArea(option.rect, indent).left());
  if (option.state & QStyle::State_Selected) {
    painter->fillRect(QRect(option.rect.left(), option.rect.top(),
                            shifted.rect.left() - option.rect.left(), option.rect.height()),
                      option.palette.brush(QPalette::Highlight));
  }
  QStyledItemDelegate::paint(painter, shifted, index);
}

void TEventDelegate::PaintSeparator(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index, bool doubled) const {
  QRect area = option.rect;
  if (index.column() == 0) {
    const int indent = index.data(TEventModel::IndentRole).toInt();
    area.setLeft(ImageArea(option.rect, indent).right() + 1 + 2);
  }
  painter->save();
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  painter->fillRect(area, ToQColor(selected ? clHighlight : clWindow));
  painter->setPen(ToQColor(clGrayText));
  const int middle = area.top() + area.height() / 2;
  if (doubled) {
    painter->drawLine(area.left(), middle - 1, area.right(), middle - 1);
    painter->drawLine(area.left(), middle + 1, area.right(), middle + 1);
  } else {
    painter->drawLine(area.left(), middle, area.right(), middle);
  }
  painter->restore();
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = area;
    QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
  }
}
