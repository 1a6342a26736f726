// Message boxes and the error beep.

#include "viewer/gui/user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Message texts break lines with a carriage return; Qt wants a line feed.
QString ToDisplay(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace

void TUserDialogs::Error(QWidget* parent, const std::string& text) {
  QMessageBox::critical(parent, QApplication::applicationDisplayName(), ToDisplay(text));
}

void TUserDialogs::Information(QWidget* parent, const std::string& text) {
  QMessageBox::information(parent, QApplication::applicationDisplayName(), ToDisplay(text));
}

bool TUserDialogs::Confirm(QWidget* parent, const std::string& title, const std::string& question,
                           bool yesIsDefault) {
  const QString caption =
      title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title);
  return QMessageBox::question(
             parent, caption, ToDisplay(question), QMessageBox::Yes | QMessageBox::No,
             yesIsDefault ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

void TUserDialogs::Beep() { QApplication::beep(); }

std::optional<TSaveChoice> TUserDialogs::ChooseSaveFile(QWidget* parent,
                                                        const TSaveRequest& request) {
  QFileDialog dialog(parent, QString::fromStdString(request.Title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const std::string& filter : request.Filters) filters << QString::fromStdString(filter);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromStdString(request.DefaultSuffix));
  // A name typed without a suffix takes the chosen type's, as the platform's dialogs do; the
  // default suffix stands for types without one of their own ("Any file (*)").
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("(*."));
    const qsizetype end = filter.indexOf(QChar(')'), star);
    const QString suffix =
        star >= 0 && end > star ? filter.mid(star + 3, end - star - 3) : QString();
    dialog.setDefaultSuffix(suffix.isEmpty() ? QString::fromStdString(request.DefaultSuffix)
                                             : suffix);
  });
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return TSaveChoice{dialog.selectedFiles().constFirst().toStdString(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

bool TUserDialogs::ConfirmPrint(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  return dialog.exec() == QDialog::Accepted;
}
