// The main window's File > Recent menu over the settings' list of logs opened lately.

#include <QAction>
#include <QMenu>

#include "platform/sysutils.h"
#include "viewer/core/recent_files.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

void TEventForm::RememberRecentFile() {
  if (FView->CurrentFile().empty()) return;
  FSettings.Recent.Add(FView->CurrentFile());
  ShowRecentFiles();
}

void TEventForm::ShowRecentFiles() {
  FRecentMenu->clear();
  const std::vector<std::string>& files = FSettings.Recent.Files();
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string file = files[i];
    QAction* item = FRecentMenu->addAction(QString::fromStdString(RecentFileCaption(i, file)));
    connect(item, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
  }
  FRecentMenu->setEnabled(!files.empty());
}

void TEventForm::OpenRecentFile(const std::string& fileName) {
  if (FileExists(fileName)) {
    Load(fileName);
    return;
  }
  // The log shown stays: only the listed one is gone.
  FSettings.Recent.Remove(fileName);
  ShowRecentFiles();
  FDialogs.Error(this, MissingRecentFileMessage(fileName));
}
