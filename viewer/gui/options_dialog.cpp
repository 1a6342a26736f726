// The Options dialog's controls over TOptionsEditor.

#include "viewer/gui/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "viewer/gui/qt_colors.h"
#include "viewer/gui/user_dialogs.h"

namespace {

// A colour swatch: the colour inside a black frame, 2 pixels in from the item's edges.
QIcon SwatchIcon(TColor color) {
  QPixmap pixmap(40, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(2, 2, pixmap.width() - 5, pixmap.height() - 5);
  painter.fillRect(3, 3, pixmap.width() - 6, pixmap.height() - 6, ToQColor(color));
  return QIcon(pixmap);
}

}  // namespace

TOptionsDialog::TOptionsDialog(TOXOptions& settings, TUserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      FSettings(settings),
      FDialogs(dialogs),
      FEditor(settings, ToRgb),
      FPrinterFont(settings.PrinterFont) {
  setWindowTitle(QStringLiteral("Options"));
  BuildControls();
  ShowChecks();
  ShowDateTimeFormat();
  ShowPrinterFont();
  ItemSelected(-1);
}

void TOptionsDialog::BuildControls() {
  FEvents = new QListWidget(this);
  FEvents->setToolTip(QStringLiteral("Unchecked events are not displayed"));
  for (const TOptionsEditor::TItem& item : FEditor.Items()) {
    auto* row = new QListWidgetItem(QString::fromStdString(item.DisplayName), FEvents);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
  }
  auto* eventsLabel = new QLabel(QStringLiteral("&Default Event Filter:"), this);
  eventsLabel->setBuddy(FEvents);

  FColorLabel = new QLabel(QStringLiteral("&Color:"), this);
  FColor = new QComboBox(this);
  FColor->setIconSize(QSize(40, 16));
  for (const TSwatch& swatch : kSwatches) {
    FColor->addItem(SwatchIcon(swatch.Color), QString());
    FColor->setItemData(FColor->count() - 1, QString::fromLatin1(swatch.Name), Qt::ToolTipRole);
  }
  FColorLabel->setBuddy(FColor);
  FBold = new QCheckBox(QStringLiteral("&Bold"), this);
  FItalic = new QCheckBox(QStringLiteral("&Italic"), this);

  FDateTimeFormat = new QLineEdit(this);
  auto* formatLabel = new QLabel(QStringLiteral("Date/Time &Format:"), this);
  formatLabel->setBuddy(FDateTimeFormat);
  auto* printerFont = new QPushButton(QStringLiteral("&Printer Font"), this);
  FPrinterSample = new QLabel(QStringLiteral("Printer Font"), this);
  FPrinterSample->setFrameShape(QFrame::StyledPanel);
  FPrinterSample->setAlignment(Qt::AlignCenter);
  auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* display = new QGridLayout;
  display->addWidget(FColorLabel, 0, 0);
  display->addWidget(FColor, 0, 1);
  display->addWidget(FBold, 1, 1);
  display->addWidget(FItalic, 2, 1);
  auto* layout = new QGridLayout(this);
  layout->addWidget(eventsLabel, 0, 0);
  layout->addWidget(FEvents, 1, 0, 4, 1);
  layout->addWidget(new QLabel(QStringLiteral("Display Properties:"), this), 0, 1);
  layout->addLayout(display, 1, 1);
  layout->addWidget(reset, 2, 1, Qt::AlignTop);
  layout->addWidget(formatLabel, 5, 0);
  layout->addWidget(FDateTimeFormat, 6, 0);
  layout->addWidget(printerFont, 5, 1);
  layout->addWidget(FPrinterSample, 6, 1);
  layout->addWidget(buttons, 7, 0, 1, 2);

  connect(FEvents, &QListWidget::currentRowChanged, this, &TOptionsDialog::ItemSelected);
  connect(FEvents, &QListWidget::itemChanged, this, &TOptionsDialog::ItemCheckChanged);
  connect(FEvents, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  });
  connect(printerFont, &QPushButton::clicked, this, &TOptionsDialog::ChoosePrinterFont);
  connect(reset, &QPushButton::clicked, this, &TOptionsDialog::ResetDisplay);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TOptionsDialog::ShowChecks() {
  FShowing = true;
  const auto& items = FEditor.Items();
  for (int row = 0; row < FEvents->count(); ++row) {
    FEvents->item(row)->setCheckState(items[static_cast<size_t>(row)].Checked ? Qt::Checked
                                                                              : Qt::Unchecked);
  }
  FShowing = false;
}

void TOptionsDialog::ShowEditors() {
  const bool selected = FEditor.Selected() >= 0;
  FColor->setEnabled(selected);
  FBold->setEnabled(selected);
  FItalic->setEnabled(selected);
  FColorLabel->setEnabled(selected);
  if (!selected) return;
  FColor->setCurrentIndex(FEditor.Editors.Swatch);
  FBold->setChecked(FEditor.Editors.Bold);
  FItalic->setChecked(FEditor.Editors.Italic);
}

void TOptionsDialog::TakeEditors() {
  FEditor.Editors = {std::max(FColor->currentIndex(), 0), FBold->isChecked(), FItalic->isChecked()};
}

void TOptionsDialog::ItemSelected(int row) {
  TakeEditors();
  FEditor.Select(row);
  ShowEditors();
  ShowChecks();
}

void TOptionsDialog::ItemCheckChanged(QListWidgetItem* item) {
  if (FShowing) return;
  FEditor.SetChecked(FEvents->row(item), item->checkState() == Qt::Checked);
  ShowChecks();
}

void TOptionsDialog::ShowDateTimeFormat() {
  FDateTimeFormat->setText(QString::fromStdString(FSettings.DateTimeFormat()));
}

void TOptionsDialog::ShowPrinterFont() {
  FPrinterSample->setFont(
      QFont(QString::fromStdString(FPrinterFont.Name), std::max(FPrinterFont.Size, 1)));
}

void TOptionsDialog::ChoosePrinterFont() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, FPrinterSample->font(), this);
  if (!ok) return;
  FPrinterFont = {font.family().toStdString(), font.pointSize()};
  ShowPrinterFont();
}

void TOptionsDialog::ResetDisplay() {
  if (!FDialogs.Confirm(this, "Confirm", kResetDisplayQuestion, false)) return;
  FEditor.Reset();
  FPrinterFont = FSettings.PrinterFont;
  ShowChecks();
  ShowEditors();
  ShowDateTimeFormat();
  ShowPrinterFont();
}

void TOptionsDialog::done(int result) {
  TakeEditors();
  FEditor.Close(result == Accepted, FDateTimeFormat->text().toStdString(), FPrinterFont);
  QDialog::done(result);
}
