// Message boxes and the error beep.

#include "viewer/gui/user_dialogs.h"

#include <QApplication>
#include <QMessageBox>

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
