// The progress dialog of a long reading.

#include "viewer/gui/load_progress.h"

#include <QApplication>
#include <QLocale>
#include <QProgressDialog>

namespace {
// The bar's steps, and how often the dialog and the window are brought up to date.
constexpr int kBarSteps = 1000;
constexpr qint64 kRefreshMs = 50;
}  // namespace

TLoadProgress::TLoadProgress(QWidget* window, const QString& fileName, int delayMs)
    : FWindow(window), FFileName(fileName), FDelayMs(delayMs) {
  FClock.start();
}

TLoadProgress::~TLoadProgress() {
  if (FDialog) QApplication::restoreOverrideCursor();
}

void TLoadProgress::ShowDialog() {
  FDialog = std::make_unique<QProgressDialog>(FWindow);
  FDialog->setWindowTitle(QStringLiteral("Oxlane"));
  FDialog->setWindowModality(Qt::WindowModal);
  FDialog->setAutoClose(false);
  FDialog->setAutoReset(false);
  FDialog->setMinimumDuration(0);
  FDialog->setRange(0, kBarSteps);
  // The hourglass of the reading is not meant for the Cancel button.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  FDialog->show();
}

bool TLoadProgress::Continue(int recordsRead, int64_t position, int64_t size) {
  const qint64 elapsed = FClock.elapsed();
  if (elapsed < FDelayMs) return true;
  if (!FDialog) ShowDialog();
  if (elapsed - FLastShown < kRefreshMs) return !FDialog->wasCanceled();
  FLastShown = elapsed;
  FDialog->setLabelText(QStringLiteral("Reading %1\n%2 records read")
                            .arg(FFileName, QLocale().toString(recordsRead)));
  FDialog->setValue(size > 0 ? static_cast<int>(position * kBarSteps / size) : 0);
  QApplication::processEvents();
  return !FDialog->wasCanceled();
}
