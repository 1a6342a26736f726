// The About box and a short help page shown in place of a help file.

#include "viewer/gui/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "viewer/gui/screen_placement.h"

namespace {

constexpr const char* kHelpPage = R"(<h2>Oxlane</h2>
<p>Oxlane shows a Tracebook event log: one row per recorded event, with its time, its type and
its data.</p>
<h3>Opening a log</h3>
<p>Use <b>File, Open</b> (Ctrl+O), name the log on the command line, or drop it on the window.
<b>View, Refresh</b> (F5) reads it again; when the file changes while Oxlane is in the
background, Oxlane offers to reload it when you return.</p>
<h3>Sessions and sections</h3>
<p>Events hang below the start of their session and below the sections they were recorded in.
Click a group's image, or press Enter, to collapse or expand it; "+" expands and "-" collapses.
Ctrl+Down and Ctrl+Up move to the next or previous event of the selected event's type.</p>
<h3>Options</h3>
<p><b>View, Options</b> (Ctrl+T) chooses which event types are shown, their colour and style,
the date and time format and the printer font.</p>)";

// Lays out `content` above an OK button that closes the dialog.
QVBoxLayout* AddContent(QDialog& dialog, const QString& title, QWidget* content) {
  dialog.setWindowTitle(title);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(content);
  layout->addWidget(buttons);
  return layout;
}

}  // namespace

std::unique_ptr<QDialog> CreateAbout(QWidget* parent) {
  auto dialog = std::make_unique<QDialog>(parent);
  auto* version = new QLabel(QString::fromLatin1(kVersionText), dialog.get());
  version->setAlignment(Qt::AlignCenter);
  QFont font = version->font();
  font.setPointSize(font.pointSize() * 2);
  font.setBold(true);
  version->setFont(font);
  // A fixed dialog border: the box keeps the size its contents need.
  AddContent(*dialog, QStringLiteral("About Oxlane"), version)
      ->setSizeConstraint(QLayout::SetFixedSize);
  dialog->adjustSize();
  CenterOnScreen(*dialog);
  return dialog;
}

void ShowAbout(QWidget* parent) { CreateAbout(parent)->exec(); }

void ShowHelp(QWidget* parent) {
  QDialog dialog(parent);
  auto* page = new QTextBrowser(&dialog);
  page->setHtml(QString::fromLatin1(kHelpPage));
  dialog.resize(480, 420);
  AddContent(dialog, QStringLiteral("Oxlane Help"), page);
  dialog.exec();
}
