#pragma once
// Progress of a log being read: once the reading has taken half a second, a dialog shows the
// records read and a bar, and its Cancel stops the reading. While it shows, the window goes on
// painting.

#include <QElapsedTimer>
#include <QString>
#include <memory>

#include "viewer/core/log_loader.h"

class QProgressDialog;
class QWidget;

class TLoadProgress : public TReadProgress {
 public:
  // `delayMs`: how long a reading runs before the dialog shows.
  TLoadProgress(QWidget* window, const QString& fileName, int delayMs = 500);
  ~TLoadProgress() override;
  TLoadProgress(const TLoadProgress&) = delete;
  TLoadProgress& operator=(const TLoadProgress&) = delete;

  bool Continue(int recordsRead, int64_t position, int64_t size) override;
  // The dialog while it shows, else nullptr.
  QProgressDialog* Dialog() const { return FDialog.get(); }

 private:
  void ShowDialog();

  QWidget* FWindow;
  QString FFileName;
  int FDelayMs;
  QElapsedTimer FClock;
  qint64 FLastShown = -1000000;  // when the dialog was last brought up to date
  std::unique_ptr<QProgressDialog> FDialog;
};
