#pragma once
// Watching the log shown for follow mode: the file and its folder are watched through the file
// system's notifications (inotify), so that a write, a file moved over its name or a file
// created under it are seen at once; a slow poll stands in where notifications do not reach (a
// network share written by another machine). Changes are passed on at most ten times a second,
// so that a host writing thousands of records a second costs one reading per tenth.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class TFollowWatch : public QObject {
  Q_OBJECT

 public:
  explicit TFollowWatch(QObject* parent = nullptr);

  // Watches the file (none for an empty name) until Stop or the next Watch.
  void Watch(const QString& fileName);
  void Stop();
  bool IsWatching() const { return !FFileName.isEmpty(); }
  // Passes on a change soon, as if the file had changed.
  void Poke();

 signals:
  // The file may have changed.
  void Changed();

 private:
  void FileChanged();
  void FolderChanged();

  QFileSystemWatcher FWatcher;
  QTimer FSettle;  // a change is passed on when it runs out
  QTimer FPoll;
  QString FFileName;
  QString FFolder;
};
