// Serving the visible rows to Qt.

#include "viewer/gui/event_model.h"

#include <algorithm>

namespace {

constexpr int kColumnCount = 3;
const char* const kColumnTitles[kColumnCount] = {"Time stamp", "Event type", "Data"};

}  // namespace

TEventModel::TEventModel(TEventView& view, QObject* parent)
    : QAbstractTableModel(parent), FView(view) {
  FView.AddObserver(this);
}

TEventModel::~TEventModel() { FView.RemoveObserver(this); }

int TEventModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FView.RowCount();
}

int TEventModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TEventModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= FView.RowCount()) return {};
  // Nothing may leave a call from Qt's event loop: a record that cannot describe itself shows
  // an empty cell rather than ending the program.
  try {
    return RowData(index, role);
  } catch (const std::exception&) {
    return {};
  }
}

QVariant TEventModel::RowData(const QModelIndex& index, int role) const {
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(FView.ColumnText(row, index.column()));
    case IndentRole:
      return std::max(FView.View().Entry(row).Level, 0);
    case ImageRole:
      return FView.RowImage(row);
    case KindRole:
      return static_cast<int>(FView.RowLook(row).Kind);
    case ColorRole:
      return static_cast<uint>(FView.RowLook(row).Attributes.Color);
    case BoldRole:
      return FView.RowLook(row).Attributes.Bold;
    case ItalicRole:
      return FView.RowLook(row).Attributes.Italic;
    default:
      return {};
  }
}

QVariant TEventModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= kColumnCount) {
    return {};
  }
  return QString::fromLatin1(kColumnTitles[section]);
}

void TEventModel::RowsAboutToBeRemoved(int first, int last) {
  beginRemoveRows(QModelIndex(), first, last);
}

void TEventModel::RowsRemoved() { endRemoveRows(); }

void TEventModel::RowsAboutToBeInserted(int first, int last) {
  beginInsertRows(QModelIndex(), first, last);
}

void TEventModel::RowsInserted() { endInsertRows(); }

void TEventModel::ViewAboutToBeReset() { beginResetModel(); }

void TEventModel::ViewReset() { endResetModel(); }

void TEventModel::RowsChanged(int first) {
  if (first < FView.RowCount()) {
    emit dataChanged(index(first, 0), index(FView.RowCount() - 1, kColumnCount - 1));
  }
}

void TEventModel::SelectionChanged() { emit SelectionMoved(); }

void TEventModel::CurrentFileChanged() { emit FileSwitched(); }
