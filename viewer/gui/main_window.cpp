// The main window's wiring of the record list, the file and the settings.

#include "viewer/gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>

#include "viewer/core/startup.h"
#include "viewer/gui/about_box.h"
#include "viewer/gui/event_list_view.h"
#include "viewer/gui/event_model.h"
#include "viewer/gui/filter_window.h"
#include "viewer/gui/follow_watch.h"
#include "viewer/gui/load_progress.h"
#include "viewer/gui/options_dialog.h"
#include "viewer/gui/qt_fonts.h"
#include "viewer/gui/screen_placement.h"
#include "viewer/gui/user_dialogs.h"
#include "viewer/gui/wait_cursor.h"

namespace {
constexpr const char* kListViewSection = "EventFormEventListView";
}

TEventForm::TEventForm(TOXOptions& settings, TUserDialogs& dialogs)
    : FSettings(settings),
      FDialogs(dialogs),
      FView(std::make_unique<TEventView>(settings)),
      FModel(new TEventModel(*FView, this)),
      FList(new TEventListView(*FModel, dialogs, this)),
      FCountsPanel(new QLabel(this)),
      FPositionPanel(new QLabel(this)),
      FFollowWatch(new TFollowWatch(this)) {
  ShowCaption();
  setCentralWidget(FList);
  // The tool windows dock on the left or the right of the list.
  setDockOptions(AnimatedDocks | AllowNestedDocks);
  FCountsPanel->setMinimumWidth(200);
  FPositionPanel->setMinimumWidth(300);
  statusBar()->addWidget(FCountsPanel);
  statusBar()->addWidget(FPositionPanel, 1);
  CreateActions();
  CreateMenus();
  ConnectCommands();
  FList->setContextMenuPolicy(Qt::ActionsContextMenu);
  FList->addActions({FActions.EditCopyEvent, FActions.EditCopyData});
  auto* separator = new QAction(FList);
  separator->setSeparator(true);
  FList->addActions({separator, FActions.ViewNextEvent, FActions.ViewPreviousEvent});
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [this] { ShowHelp(this); });

  RestorePlacement();
  CreateToolWindows();
  connect(FModel, &TEventModel::FileSwitched, this, &TEventForm::ShowCaption);
  connect(FModel, &TEventModel::SelectionMoved, this, &TEventForm::SelectionChanged);
  connect(FModel, &QAbstractItemModel::rowsInserted, this, &TEventForm::ShowCounts);
  connect(FModel, &QAbstractItemModel::rowsRemoved, this, &TEventForm::ShowCounts);
  connect(FModel, &QAbstractItemModel::modelReset, this, &TEventForm::ShowCounts);
  connect(FFollowWatch, &TFollowWatch::Changed, this, &TEventForm::ReadAppended);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive) CheckFileChanged();
  });
}

TEventForm::~TEventForm() {
  // The tool windows, the list and its model use the view core, a member that goes before the
  // window's children: they go first.
  DeleteToolWindows();
  delete FList;
  delete FModel;
}

namespace {

// The main window's size on a first run, before it has remembered one.
constexpr int kFirstRunWidth = 760;
constexpr int kFirstRunHeight = 520;

}  // namespace

void TEventForm::RestorePlacement() {
  setFont(ToQFont(FSettings.ViewerFont, kDefaultViewerFontSize));
  const TWindowSettings& placement = FSettings.MainWin;
  if (placement.HasBounds()) {
    setGeometry(FitOnScreen(RememberedBounds(placement)));
  } else {
    resize(kFirstRunWidth, kFirstRunHeight);  // nothing remembered yet: the window's design size
  }
  if (placement.Max) setWindowState(windowState() | Qt::WindowMaximized);
  std::vector<int32_t> widths = FList->ColumnWidths();
  FSettings.ReadColumnWidths(kListViewSection, widths);
  FList->SetColumnWidths(widths);
}

void TEventForm::SavePlacement() {
  const QRect bounds = isMaximized() ? normalGeometry() : geometry();
  FSettings.MainWin = {bounds.left(),
                       bounds.top(),
                       bounds.left() + bounds.width(),
                       bounds.top() + bounds.height(),
                       true,
                       isMaximized(),
                       false,
                       false};
  FSettings.WriteColumnWidths(kListViewSection, FList->ColumnWidths());
}

void TEventForm::Load(const std::string& fileName, int progressDelayMs) {
  if (FLoading) return;
  FLoading = true;
  const TLoadResult result = [&] {
    const TWaitCursor hourglass;
    TLoadProgress progress(this, QString::fromStdString(fileName), progressDelayMs);
    return FView->Load(fileName, &progress);
  }();
  FLoading = false;
  if (result.Outcome == TLoadOutcome::loCancelled) return;
  ShowLoadResult(result);
}

void TEventForm::ShowLoadResult(const TLoadResult& result) {
  FActions.ViewRefresh->setEnabled(result.FileExists);
  EnableFileCommands(result.FileExists);
  ShowCounts();
  SelectionChanged();
  RememberRecentFile();
  if (Following()) FFollowWatch->Watch(QString::fromStdString(FView->CurrentFile()));
  if (!result.Message.empty()) FDialogs.Error(this, result.Message);
}

void TEventForm::LoadAtStart(const std::vector<std::string>& arguments) {
  std::vector<std::string> files = arguments;
  const bool follow = TakeFollowOption(files);
  const std::string log = ChooseStartupLog(files, FSettings);
  if (!log.empty()) Load(log);
  if (follow) SetFollowing(true);
}

void TEventForm::CheckFileChanged() {
  if (Following()) {
    ReadAppended();
    return;
  }
  // The question itself may deactivate and activate the application again: ask once at a time.
  if (FLoading || FAskingToReload || !FView->CurrentFileChanged()) return;
  FAskingToReload = true;
  const std::string file = FView->CurrentFile();
  const bool reload = FDialogs.Confirm(this, "Confirm", FileChangedQuestion(file), true);
  FAskingToReload = false;
  if (reload) Load(file);
}

void TEventForm::ShowCaption() { setWindowTitle(QString::fromStdString(FView->Caption())); }

QString TEventForm::StatusText(int panel) const {
  return (panel == 0 ? FCountsPanel : FPositionPanel)->text();
}

void TEventForm::ShowCounts() {
  FCountsPanel->setText(QString::fromStdString(FView->CountsText()));
  FCountsPanel->setFixedWidth(FCountsPanel->fontMetrics().horizontalAdvance(FCountsPanel->text()) +
                              5);
}

void TEventForm::SelectionChanged() {
  FPositionPanel->setText(QString::fromStdString(FView->SessionPositionText()));
  const int selected = FView->Selected();
  const std::string name =
      selected >= 0 ? FView->View().Entry(selected).Class->GetEventName() : std::string();
  FActions.ViewNextEvent->setText(QString::fromStdString(NextEventCaption(name)));
  FActions.ViewPreviousEvent->setText(QString::fromStdString(PreviousEventCaption(name)));
  FActions.ViewNextEvent->setEnabled(selected >= 0 && selected < FView->RowCount() - 1);
  FActions.ViewPreviousEvent->setEnabled(selected > 0);
  EnableCopyCommands();
}

void TEventForm::MoveToSameClass(int step, QAction* action) {
  const int row = FView->FindSameClass(step);
  if (row < 0) {
    FDialogs.Information(this, kNoMoreEventsText);
    action->setEnabled(false);
    return;
  }
  FView->Select(row);
}

void TEventForm::OpenFileDialog() {
  QFileDialog dialog(this, QStringLiteral("Open Event Log"));
  dialog.setNameFilters({QStringLiteral("Event file (*.evt)"), QStringLiteral("Any file (*)")});
  dialog.setDefaultSuffix(QStringLiteral("evt"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The next log is most often beside the one shown.
  const std::string& current = FView->CurrentFile();
  if (!current.empty())
    dialog.setDirectory(QFileInfo(QString::fromStdString(current)).absolutePath());
  if (dialog.exec() == QDialog::Accepted) Load(dialog.selectedFiles().constFirst().toStdString());
}

void TEventForm::ShowOptions() {
  TOptionsDialog dialog(FSettings, FDialogs, this);
  if (dialog.exec() != QDialog::Accepted) return;
  SaveSettings();
  if (FFilterForm != nullptr) FFilterForm->RefreshItems();
  const TWaitCursor hourglass;
  FView->RebuildView(true);
}

void TEventForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  ShowToolWindows();
  setAcceptDrops(true);
}

void TEventForm::closeEvent(QCloseEvent* event) {
  setAcceptDrops(false);
  FClosing = true;
  SaveToolWindows();
  SavePlacement();
  FView->StoreLastLog();
  SaveSettings();
  event->accept();
}

void TEventForm::SaveSettings() {
  // A settings file that cannot be written (a read-only folder, a full disk) costs the settings
  // of this run, nothing else.
  try {
    FSettings.Save();
  } catch (const std::exception& error) {
    FDialogs.Error(this, SettingsNotSavedMessage(error.what()));
  }
}

void TEventForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TEventForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.constFirst().isLocalFile()) return;
  event->acceptProposedAction();
  Load(urls.constFirst().toLocalFile().toStdString());
}
