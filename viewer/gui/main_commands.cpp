// The main window's commands over the visible rows: Find, Copy Event, Copy Data, Export, Export
// Steps and Print. The work is the core's; these methods ask the user and show the outcome.

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <exception>

#include "viewer/core/find_rows.h"
#include "viewer/core/print_layout.h"
#include "viewer/core/row_clipboard.h"
#include "viewer/core/row_export.h"
#include "viewer/core/steps_export.h"
#include "viewer/gui/event_list_view.h"
#include "viewer/gui/find_dialog.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/qt_print_canvas.h"
#include "viewer/gui/user_dialogs.h"
#include "viewer/gui/wait_cursor.h"

namespace {

constexpr int kCsvFilter = 1;  // "Comma Separated Values (*.csv)" among the export filters
// The filters of the steps report's save dialog, in order.
constexpr int kHtmlStepsFilter = 0;
constexpr int kTextStepsFilter = 1;

// The export's suggestion: the log's name without its extension, in the log's folder.
std::string ExportNameFor(const std::string& logFile) {
  if (logFile.empty()) return {};
  const QFileInfo log(QString::fromStdString(logFile));
  return (log.path() + QChar('/') + log.completeBaseName()).toStdString();
}

// The steps report's format: the chosen filter's, or with "Any file" the name's extension's.
TStepsFormat StepsFormatChosen(const TSaveChoice& choice) {
  if (choice.FilterIndex == kHtmlStepsFilter) return TStepsFormat::sfHtml;
  if (choice.FilterIndex == kTextStepsFilter) return TStepsFormat::sfText;
  return StepsFormatOf(choice.FileName);
}

}  // namespace

void TEventForm::ConnectCommands() {
  const TActions& a = FActions;
  connect(a.EditFind, &QAction::triggered, this, &TEventForm::ShowFindDialog);
  connect(a.EditCopyEvent, &QAction::triggered, this,
          [this] { CopyToClipboard(CopyEventText(*FView, FView->Selected())); });
  connect(a.EditCopyData, &QAction::triggered, this,
          [this] { CopyToClipboard(CopyDataText(*FView, FView->Selected())); });
  connect(a.FileExport, &QAction::triggered, this, &TEventForm::ExportLog);
  connect(a.FileExportSteps, &QAction::triggered, this, &TEventForm::ExportSteps);
  connect(a.FilePrint, &QAction::triggered, this, &TEventForm::PrintLog);
}

void TEventForm::EnableFileCommands(bool fileExists) {
  FActions.FileExport->setEnabled(fileExists);
  FActions.FileExportSteps->setEnabled(fileExists);
  FActions.FilePrint->setEnabled(fileExists);
  FActions.EditFind->setEnabled(fileExists);
}

void TEventForm::EnableCopyCommands() {
  const bool selected = FView->Selected() >= 0;
  FActions.EditCopyEvent->setEnabled(selected);
  FActions.EditCopyData->setEnabled(selected);
}

void TEventForm::ShowFindDialog() {
  if (!FFindDialog) {
    FFindDialog = new TFindDialog(this);
    connect(FFindDialog, &TFindDialog::FindNext, this, &TEventForm::FindEvent);
  }
  FFindDialog->show();
  FFindDialog->raise();
  FFindDialog->activateWindow();
}

void TEventForm::FindEvent() {
  if (!FFindDialog) return;
  const TFindRequest request = FFindDialog->Request();
  const TFindResult result = FindRow(*FView, request);
  switch (result.Outcome) {
    case TFindOutcome::foFound:
      FView->Select(result.Row);
      break;
    case TFindOutcome::foBlank:
      FDialogs.Error(FFindDialog, kSearchBlankText);
      break;
    case TFindOutcome::foNotFound:
      FDialogs.Information(FFindDialog, NotFoundMessage(request.Text));
      break;
    case TFindOutcome::foNothing:
      break;
  }
}

void TEventForm::CopyToClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

void TEventForm::ExportLog() {
  const TSaveRequest request{
      "Export Log As",
      {"Text file (*.txt)", "Comma Separated Values (*.csv)", "Any file (*)"},
      "txt",
      ExportNameFor(FView->CurrentFile())};
  const std::optional<TSaveChoice> choice = FDialogs.ChooseSaveFile(this, request);
  if (!choice) return;
  const TExportFormat format =
      choice->FilterIndex == kCsvFilter ? TExportFormat::efCsv : TExportFormat::efText;
  try {
    const TWaitCursor hourglass;
    ExportRowsToFile(*FView, format, choice->FileName);
  } catch (const std::exception& error) {
    // A file that cannot be created or written (EInOutError names it and the reason); what was
    // written stays.
    FDialogs.Error(this, error.what());
  }
}

void TEventForm::ExportSteps() {
  const TSaveRequest request{"Export Steps As",
                             {"Web page (*.html)", "Text file (*.txt)", "Any file (*)"},
                             "html",
                             ExportNameFor(FView->CurrentFile()) + "-steps"};
  const std::optional<TSaveChoice> choice = FDialogs.ChooseSaveFile(this, request);
  if (!choice) return;
  try {
    const TWaitCursor hourglass;
    ExportStepsToFile(*FView, StepsFormatChosen(*choice), choice->FileName);
  } catch (const std::exception& error) {
    FDialogs.Error(this, error.what());
  }
}

void TEventForm::PrintLog() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(FView->CurrentFile()));
  if (!FDialogs.ConfirmPrint(this, printer)) return;
  const TWaitCursor hourglass;
  const std::vector<int32_t> widths = FList->ColumnWidths();
  TQtPrintCanvas canvas(printer);
  try {
    PrintRows(*FView, FSettings, {widths.at(0), widths.at(1), widths.at(2)}, canvas);
  } catch (const std::exception& error) {
    // The printer or its output file failed; the document has been ended.
    FDialogs.Error(this, error.what());
  }
}
