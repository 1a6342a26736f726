#pragma once
// The record list as a Qt table model: three columns over the visible rows of a TEventView,
// produced on demand, so a log of millions of records costs no item objects. The view's change
// notifications become the model's insert, remove and reset signals.

#include <QAbstractTableModel>

#include "viewer/core/event_view.h"

class TEventModel : public QAbstractTableModel, private TEventViewObserver {
  Q_OBJECT

 public:
  // Roles beyond the display texts, read by the delegate.
  enum Role {
    IndentRole = Qt::UserRole + 1,  // nesting level, never below 0
    ImageRole,                      // index into the record images, -1 for none
    KindRole,                       // TRowKind as int
    ColorRole,                      // the class's TColor
    BoldRole,
    ItalicRole,
  };

  explicit TEventModel(TEventView& view, QObject* parent = nullptr);
  ~TEventModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  TEventView& View() const { return FView; }

 signals:
  // The view's selected or focused row moved.
  void SelectionMoved();
  // The view's current file changed.
  void FileSwitched();

 private:
  QVariant RowData(const QModelIndex& index, int role) const;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved() override;
  void RowsAboutToBeInserted(int first, int last) override;
  void RowsInserted() override;
  void ViewAboutToBeReset() override;
  void ViewReset() override;
  void RowsChanged(int first) override;
  void SelectionChanged() override;
  void CurrentFileChanged() override;

  TEventView& FView;
};
