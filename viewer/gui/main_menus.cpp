// The main window's actions and menus. Find, Copy, Export and Print are connected in
// main_commands.cpp.

#include <QAction>
#include <QMenuBar>

#include "viewer/gui/about_box.h"
#include "viewer/gui/filter_window.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/properties_window.h"

namespace {

QAction* MakeAction(QWidget* owner, const char* caption, QKeySequence shortcut = {},
                    bool enabled = true, bool checkable = false) {
  auto* action = new QAction(QString::fromLatin1(caption), owner);
  action->setShortcut(shortcut);
  action->setEnabled(enabled);
  action->setCheckable(checkable);
  owner->addAction(action);
  return action;
}

}  // namespace

void TEventForm::CreateActions() {
  TActions& a = FActions;
  a.FileOpen = MakeAction(this, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
  a.FileExport = MakeAction(this, "&Export...", QKeySequence(Qt::CTRL | Qt::Key_S), false);
  a.FileExportSteps = MakeAction(this, "Export &Steps...", {}, false);
  a.FilePrint = MakeAction(this, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P), false);
  a.FileExit = MakeAction(this, "E&xit");
  a.EditCopyEvent = MakeAction(this, "Copy &Event", {}, false);
  a.EditCopyData = MakeAction(this, "Copy &Data", QKeySequence(Qt::CTRL | Qt::Key_C), false);
  a.EditCopyPropertyValue = MakeAction(this, "Copy &Property Value", {}, false);
  a.EditFind = MakeAction(this, "&Find...", QKeySequence(Qt::CTRL | Qt::Key_F), false);
  a.ViewNextEvent = MakeAction(this, "&Next Event", QKeySequence(Qt::CTRL | Qt::Key_Down), false);
  a.ViewPreviousEvent =
      MakeAction(this, "&Previous Event", QKeySequence(Qt::CTRL | Qt::Key_Up), false);
  a.ViewFilter = MakeAction(this, "&Filter", QKeySequence(Qt::Key_F8), true, true);
  a.ViewDockFilter = MakeAction(this, "&Dock Filter", QKeySequence(Qt::Key_F9), false, true);
  a.ViewInspector = MakeAction(this, "&Inspector", QKeySequence(Qt::Key_F11), true, true);
  a.ViewDockInspector = MakeAction(this, "D&ock Inspector", QKeySequence(Qt::Key_F12), false, true);
  a.ViewRefresh = MakeAction(this, "&Refresh", QKeySequence(Qt::Key_F5), false);
  a.ViewFollow = MakeAction(this, "Fo&llow", {}, true, true);
  a.ViewOptions = MakeAction(this, "Op&tions...", QKeySequence(Qt::CTRL | Qt::Key_T));
  a.HelpContents = MakeAction(this, "&Contents");
  a.HelpAbout = MakeAction(this, "&About...");
  // While a tool window does not exist, its Dock command shows whether it would open docked.
  a.ViewDockFilter->setChecked(FSettings.Filter.Docked);
  a.ViewDockInspector->setChecked(FSettings.Inspector.Docked);

  connect(a.FileOpen, &QAction::triggered, this, &TEventForm::OpenFileDialog);
  connect(a.FileExit, &QAction::triggered, this, &QWidget::close);
  connect(a.ViewNextEvent, &QAction::triggered, this,
          [this] { MoveToSameClass(1, FActions.ViewNextEvent); });
  connect(a.ViewPreviousEvent, &QAction::triggered, this,
          [this] { MoveToSameClass(-1, FActions.ViewPreviousEvent); });
  connect(a.ViewFilter, &QAction::triggered, this, &TEventForm::ToggleFilter);
  connect(a.ViewInspector, &QAction::triggered, this, &TEventForm::ToggleInspector);
  connect(a.ViewDockFilter, &QAction::triggered, this,
          [this] { ToggleDocked(FFilterForm, FSettings.Filter); });
  connect(a.ViewDockInspector, &QAction::triggered, this,
          [this] { ToggleDocked(FInspectorForm, FSettings.Inspector); });
  connect(a.EditCopyPropertyValue, &QAction::triggered, this, &TEventForm::CopyPropertyValue);
  connect(a.ViewRefresh, &QAction::triggered, this, [this] { Load(FView->CurrentFile()); });
  connect(a.ViewFollow, &QAction::triggered, this, &TEventForm::SetFollowing);
  connect(a.ViewOptions, &QAction::triggered, this, &TEventForm::ShowOptions);
  connect(a.HelpContents, &QAction::triggered, this, [this] { ShowHelp(this); });
  connect(a.HelpAbout, &QAction::triggered, this, [this] { ShowAbout(this); });
}

void TEventForm::CreateMenus() {
  const TActions& a = FActions;
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(a.FileOpen);
  FRecentMenu = file->addMenu(QStringLiteral("&Recent"));
  ShowRecentFiles();
  file->addActions({a.FileExport, a.FileExportSteps, a.FilePrint});
  file->addSeparator();
  file->addAction(a.FileExit);

  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
  edit->addActions({a.EditCopyEvent, a.EditCopyData, a.EditCopyPropertyValue});
  edit->addSeparator();
  edit->addAction(a.EditFind);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addActions({a.ViewNextEvent, a.ViewPreviousEvent});
  view->addSeparator();
  view->addActions({a.ViewFilter, a.ViewDockFilter, a.ViewInspector, a.ViewDockInspector});
  view->addSeparator();
  view->addActions({a.ViewRefresh, a.ViewFollow});
  view->addSeparator();
  view->addAction(a.ViewOptions);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(a.HelpContents);
  help->addSeparator();
  help->addAction(a.HelpAbout);
}
