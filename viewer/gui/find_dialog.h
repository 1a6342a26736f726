#pragma once
// The Find dialog: a text, the direction (down preset) and Match case. It stays open beside the
// list; each press of Find Next hands the search to its owner.

#include <QDialog>

#include "viewer/core/find_rows.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TFindDialog(QWidget* parent);

  TFindRequest Request() const;

 signals:
  void FindNext();

 private:
  QLineEdit* FText;
  QRadioButton* FUp;
  QRadioButton* FDown;
  QCheckBox* FMatchCase;
  QPushButton* FFindButton;
};
