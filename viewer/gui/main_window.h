#pragma once
// The viewer's main window: the record list between the left and right dock areas, the menus
// and their actions, the two status panels, opening logs (Open dialog, Recent menu, start-up,
// file drop), the reload question when the file changed, and the placement remembered on closing.

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "viewer/core/event_view.h"
#include "viewer/core/settings.h"

class QAction;
class QLabel;
class QMenu;
class TDockToolWindow;
class TEventFilterForm;
class TEventInspectorForm;
class TEventListView;
class TEventModel;
class TFindDialog;
class TFollowWatch;
class TUserDialogs;

class TEventForm : public QMainWindow {
  Q_OBJECT

 public:
  // The actions of the menus, for the menus themselves and for tests.
  struct TActions {
    QAction* FileOpen;
    QAction* FileExport;
    QAction* FileExportSteps;
    QAction* FilePrint;
    QAction* FileExit;
    QAction* EditCopyEvent;
    QAction* EditCopyData;
    QAction* EditCopyPropertyValue;
    QAction* EditFind;
    QAction* ViewNextEvent;
    QAction* ViewPreviousEvent;
    QAction* ViewFilter;
    QAction* ViewDockFilter;
    QAction* ViewInspector;
    QAction* ViewDockInspector;
    QAction* ViewRefresh;
    QAction* ViewFollow;
    QAction* ViewOptions;
    QAction* HelpContents;
    QAction* HelpAbout;
  };

  TEventForm(TOXOptions& settings, TUserDialogs& dialogs);
  ~TEventForm() override;

  // Shows the log, or an empty window when it does not exist; reports a file that is not a log
  // or is damaged. A reading that takes long shows its progress and can be cancelled, which
  // keeps the log shown before; `progressDelayMs` is how long it runs before the progress shows.
  void Load(const std::string& fileName, int progressDelayMs = 500);
  // The first load of a run: the log named by the command-line arguments (without the
  // program's name), or with none the last log shown (see ChooseStartupLog); "--follow" among
  // them starts follow mode.
  void LoadAtStart(const std::vector<std::string>& arguments);
  // Asks whether to reload the current file when it changed since it was read; in follow mode
  // reads on instead.
  void CheckFileChanged();
  // Follow mode (View > Follow): records appended to the log are shown as they are written.
  void SetFollowing(bool on);
  bool Following() const;
  // Follow mode's reading on: shows the records appended since the last reading, and keeps the
  // last row in view when it was.
  void ReadAppended();

  TEventView& View() { return *FView; }
  TEventModel& Model() { return *FModel; }
  TEventListView& List() { return *FList; }
  const TActions& Actions() const { return FActions; }
  // File > Recent: one item per log of the settings' recent list, most recent first.
  QMenu* RecentMenu() const { return FRecentMenu; }
  QString StatusText(int panel) const;

  // ---- the tool windows (tool_windows.cpp) ----
  // The filter window and the inspector while they exist, else nullptr.
  TEventFilterForm* FilterForm() const { return FFilterForm; }
  TEventInspectorForm* InspectorForm() const { return FInspectorForm; }
  // No menu of dock windows to hide: a tool window goes by closing, which frees it.
  QMenu* createPopupMenu() override { return nullptr; }

  // ---- find, copy, export and print ----
  // The Find dialog while it exists (it is made on first use and stays until the window goes).
  TFindDialog* FindDialog() const { return FFindDialog; }
  // One press of the Find dialog's Find Next: selects the match or tells why there is none.
  void FindEvent();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void RestorePlacement();
  void SavePlacement();
  // Writes the settings file; a failure is shown and the program goes on.
  void SaveSettings();
  void ShowCaption();
  void ShowCounts();
  void SelectionChanged();
  void MoveToSameClass(int step, QAction* action);
  void OpenFileDialog();
  // ---- the Recent menu (recent_menu.cpp) ----
  // Lists the loaded log at the top of the recent list and the menu.
  void RememberRecentFile();
  void ShowRecentFiles();
  // Opens a listed log; one that is gone is reported and taken off the list.
  void OpenRecentFile(const std::string& fileName);
  void ShowOptions();

  TOXOptions& FSettings;
  TUserDialogs& FDialogs;
  std::unique_ptr<TEventView> FView;
  TEventModel* FModel;
  TEventListView* FList;
  QLabel* FCountsPanel;
  QLabel* FPositionPanel;
  QMenu* FRecentMenu = nullptr;
  TActions FActions{};
  bool FAskingToReload = false;
  // While a log is read: the progress dialog lets other events in, and none of them may start
  // another reading.
  bool FLoading = false;
  TFollowWatch* FFollowWatch;
  // What the window shows of a load's result.
  void ShowLoadResult(const TLoadResult& result);

  // ---- the tool windows (tool_windows.cpp) ----
  // At start-up: the windows the settings remember as open, placed as they were.
  void CreateToolWindows();
  void ShowToolWindows();
  // Closing the main window: both windows' placements as open, the inspector's column widths.
  void SaveToolWindows();
  // Frees both windows without their close notifications: they use the view core.
  void DeleteToolWindows();
  void ToggleFilter();
  void ToggleInspector();
  void OpenFilter();
  void OpenInspector();
  void FilterClosed();
  void InspectorClosed();
  // Docks a floating window into the area its settings name, or floats a docked one.
  void ToggleDocked(TDockToolWindow* window, const TWindowSettings& placement);
  void PlaceToolWindow(TDockToolWindow& window, const TWindowSettings& placement);
  // Keeps the Dock commands true to the windows and sizes the dock a window is dropped into.
  void WatchDocking(TDockToolWindow& window);
  void FitDock(TDockToolWindow& window);
  void SaveToolWindow(TDockToolWindow& window, TWindowSettings& placement, bool visible);
  void ShowToolActions();
  void InspectSelection();
  void CopyPropertyValue();

  TEventFilterForm* FFilterForm = nullptr;
  TEventInspectorForm* FInspectorForm = nullptr;
  // Set when the main window closes: the tool windows are saved by it, not on their own.
  bool FClosing = false;

  // ---- find, copy, export and print ----
  void ConnectCommands();
  // Export, Print and Find are available while the loaded file exists; the copy commands while
  // a row is selected.
  void EnableFileCommands(bool fileExists);
  void EnableCopyCommands();
  void ShowFindDialog();
  // Replaces the clipboard's contents with the text.
  void CopyToClipboard(const std::string& text);
  void ExportLog();
  void ExportSteps();
  void PrintLog();
  TFindDialog* FFindDialog = nullptr;
};
