#pragma once
// Draws one cell of the record list: the first column indented by the row's level with the
// record's image in front of its text; every column in the record class's colour and style;
// separator rows as one line (a logged separator) or two (the one inserted after a session).

#include <QPixmap>
#include <QStyledItemDelegate>
#include <vector>

inline constexpr int kImageSize = 16;

class TEventDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TEventDelegate(QObject* parent = nullptr);

  // Where a row's image lies in its first cell.
  static QRect ImageArea(const QRect& firstCell, int indent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  void PaintSeparator(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index, bool doubled) const;

  std::vector<QPixmap> FImages;
};
