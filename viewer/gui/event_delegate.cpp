// Painting the record list's cells.

#include "viewer/gui/event_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "viewer/core/row_look.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/qt_colors.h"
#include "viewer/gui/record_images.h"

namespace {

int IndentOf(const QModelIndex& index) {
  return index.column() == 0 ? index.data(TEventModel::IndentRole).toInt() * kImageSize : 0;
}

const QStyle* StyleOf(const QStyleOptionViewItem& option) {
  return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

}  // namespace

TEventDelegate::TEventDelegate(QObject* parent)
    : QStyledItemDelegate(parent), FImages(LoadRecordImages()) {}

void TEventDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const TColor color = index.data(TEventModel::ColorRole).toUInt();
  option->palette.setColor(QPalette::Text, ToQColor(color));
  option->font.setBold(index.data(TEventModel::BoldRole).toBool());
  option->font.setItalic(index.data(TEventModel::ItalicRole).toBool());
  option->fontMetrics = QFontMetrics(option->font);
  if (index.column() != 0) return;
  const int image = index.data(TEventModel::ImageRole).toInt();
  option->features |= QStyleOptionViewItem::HasDecoration;
  option->decorationSize = QSize(kImageSize, kImageSize);
  option->icon = image >= 0 && image < static_cast<int>(FImages.size())
                     ? QIcon(FImages[static_cast<size_t>(image)])
                     : QIcon();
}

QStyleOptionViewItem TEventDelegate::Indented(const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const {
  QStyleOptionViewItem indented(option);
  indented.rect.setLeft(option.rect.left() + IndentOf(index));
  return indented;
}

QRect TEventDelegate::ImageArea(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  // The style places the image as it paints it: after the indentation and the item's margin.
  QStyleOptionViewItem indented = Indented(option, index);
  initStyleOption(&indented, index);
  return StyleOf(option)->subElementRect(QStyle::SE_ItemViewItemDecoration, &indented,
                                         option.widget);
}

QSize TEventDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return QStyledItemDelegate::sizeHint(option, index) + QSize(IndentOf(index), 0);
}

bool TEventDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip || !index.isValid()) {
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
  if (sizeHint(option, index).width() > option.rect.width()) {
    QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(),
                       option.rect);
  } else {
    QToolTip::hideText();
  }
  return true;
}

void TEventDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const auto kind = static_cast<TRowKind>(index.data(TEventModel::KindRole).toInt());
  if (kind != TRowKind::rkRecord) {
    PaintSeparator(painter, option, index, kind == TRowKind::rkInsertedSeparator);
    return;
  }
  // The indent is left blank but selected with the row.
  const QStyleOptionViewItem indented = Indented(option, index);
  if ((option.state & QStyle::State_Selected) && indented.rect.left() > option.rect.left()) {
    painter->fillRect(QRect(option.rect.left(), option.rect.top(),
                            indented.rect.left() - option.rect.left(), option.rect.height()),
                      option.palette.brush(QPalette::Highlight));
  }
  QStyledItemDelegate::paint(painter, indented, index);
}

void TEventDelegate::PaintSeparator(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index, bool doubled) const {
  QRect area = option.rect;
  if (index.column() == 0) area.setLeft(ImageArea(option, index).right() + 1 + 2);
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
    StyleOf(option)->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
  }
}
