#pragma once
// Draws one cell of the record list: the first column indented by the row's level with the
// record's image in front of its text; every column in the record class's colour and style;
// separator rows as one line (a logged separator) or two (the one inserted after a session).
// A cell too narrow for its text shows the whole text as a tool tip.

#include <QPixmap>
#include <QStyledItemDelegate>
#include <vector>

inline constexpr int kImageSize = 16;

class TEventDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TEventDelegate(QObject* parent = nullptr);

  // Where the row's image is painted in its first cell, for the view's options of that cell.
  QRect ImageArea(const QStyleOptionViewItem& option, const QModelIndex& index) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  // The first column's size includes the row's indentation.
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  // The options for painting the cell's contents: in the first column, right of the indentation.
  QStyleOptionViewItem Indented(const QStyleOptionViewItem& option, const QModelIndex& index) const;
  void PaintSeparator(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index, bool doubled) const;

  std::vector<QPixmap> FImages;
};
