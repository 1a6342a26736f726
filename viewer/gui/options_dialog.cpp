// The Options dialog's controls over TOptionsEditor.

#include "viewer/gui/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "viewer/gui/about_box.h"
#include "viewer/gui/qt_colors.h"
#include "viewer/gui/qt_fonts.h"
#include "viewer/gui/screen_placement.h"
#include "viewer/gui/user_dialogs.h"

namespace {

// The dialog's designed client size; it grows only where its contents need more on this screen.
constexpr QSize kDesignedSize(337, 335);

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
  // A fixed dialog border, centred on the screen.
  setFixedSize(minimumSizeHint().expandedTo(kDesignedSize));
  CenterOnScreen(*this);
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
  FColor = new TSwatchCombo(this);
  FColor->setMinimumWidth(80);
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
  // A panel of its own size: a large printer font is cut off rather than widening the dialog.
  FPrinterSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  FPrinterSample->setFixedHeight(2 * fontMetrics().height());
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

  // The editors follow the selected item: the item that takes the focus with the list is not
  // selected yet.
  connect(FEvents, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = FEvents->selectedItems();
    ItemSelected(selected.isEmpty() ? -1 : FEvents->row(selected.constFirst()));
  });
  connect(FEvents, &QListWidget::itemChanged, this, &TOptionsDialog::ItemCheckChanged);
  connect(FEvents, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  });
  connect(printerFont, &QPushButton::clicked, this, &TOptionsDialog::ChoosePrinterFont);
  connect(reset, &QPushButton::clicked, this, &TOptionsDialog::ResetDisplay);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] { ShowHelp(this); });
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
  FPrinterSample->setFont(ToQFont(FPrinterFont, kDefaultPrinterFontSize));
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
