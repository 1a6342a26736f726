// The follow mode's watch on the log file and its folder.

#include "viewer/gui/follow_watch.h"

#include <QFileInfo>

namespace {
constexpr int kSettleMs = 100;
constexpr int kPollMs = 1000;
}  // namespace

TFollowWatch::TFollowWatch(QObject* parent) : QObject(parent) {
  FSettle.setSingleShot(true);
  FSettle.setInterval(kSettleMs);
  FPoll.setInterval(kPollMs);
  connect(&FSettle, &QTimer::timeout, this, &TFollowWatch::Changed);
  connect(&FPoll, &QTimer::timeout, this, &TFollowWatch::Changed);
  connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, &TFollowWatch::FileChanged);
  connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, &TFollowWatch::FolderChanged);
}

void TFollowWatch::Watch(const QString& fileName) {
  Stop();
  if (fileName.isEmpty()) return;
  FFileName = fileName;
  FFolder = QFileInfo(fileName).absolutePath();
  FWatcher.addPath(FFileName);
  FWatcher.addPath(FFolder);
  FPoll.start();
}

void TFollowWatch::Stop() {
  if (!FWatcher.files().isEmpty()) FWatcher.removePaths(FWatcher.files());
  if (!FWatcher.directories().isEmpty()) FWatcher.removePaths(FWatcher.directories());
  FSettle.stop();
  FPoll.stop();
  FFileName.clear();
  FFolder.clear();
}

void TFollowWatch::Poke() {
  // Not restarted by further changes: a file written all the time is still read ten times a
  // second.
  if (IsWatching() && !FSettle.isActive()) FSettle.start();
}

void TFollowWatch::FileChanged() {
  // A file removed or moved away drops out of the watch; the folder's watch brings it back when
  // a file of its name appears again.
  if (!FWatcher.files().contains(FFileName) && QFileInfo::exists(FFileName)) {
    FWatcher.addPath(FFileName);
  }
  Poke();
}

void TFollowWatch::FolderChanged() {
  if (FWatcher.files().contains(FFileName) || !QFileInfo::exists(FFileName)) return;
  FWatcher.addPath(FFileName);
  Poke();
}
