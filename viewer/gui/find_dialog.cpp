// The Find dialog's controls and their layout.

#include "viewer/gui/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TFindDialog::TFindDialog(QWidget* parent)
    : QDialog(parent),
      FText(new QLineEdit(this)),
      FUp(new QRadioButton(QStringLiteral("&Up"))),
      FDown(new QRadioButton(QStringLiteral("&Down"))),
      FMatchCase(new QCheckBox(QStringLiteral("Match &case"), this)),
      FFindButton(new QPushButton(QStringLiteral("&Find Next"), this)) {
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  FText->setObjectName(QStringLiteral("FindText"));
  FUp->setObjectName(QStringLiteral("FindUp"));
  FDown->setObjectName(QStringLiteral("FindDown"));
  FMatchCase->setObjectName(QStringLiteral("FindMatchCase"));
  FFindButton->setObjectName(QStringLiteral("FindNext"));
  FDown->setChecked(true);

  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  label->setBuddy(FText);
  auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
  auto* directionLayout = new QHBoxLayout(direction);
  directionLayout->addWidget(FUp);
  directionLayout->addWidget(FDown);

  FFindButton->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  buttons->addButton(FFindButton, QDialogButtonBox::ActionRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(FText, 0, 1, 1, 2);
  layout->addWidget(FMatchCase, 1, 0, 1, 2, Qt::AlignBottom);
  layout->addWidget(direction, 1, 2);
  layout->addWidget(buttons, 0, 3, 2, 1);

  connect(FFindButton, &QPushButton::clicked, this, &TFindDialog::FindNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

TFindRequest TFindDialog::Request() const {
  return {FText->text().toStdString(), FDown->isChecked(), FMatchCase->isChecked()};
}
