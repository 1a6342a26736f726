// Writing the recorder's records.

#include "qvqt/record_writer.h"

#include <QtGlobal>
#include <exception>

#include "log/log_lifecycle.h"

namespace {

bool gFailureReported = false;

}  // namespace

void WriteQtRecord(std::unique_ptr<TLogEvent> record) {
  TLogStream* log = LogStream();
  if (!log) return;
  try {
    log->WriteEvent(std::move(record));
  } catch (const std::exception& failure) {
    // A full disk would otherwise be reported for every click that follows.
    if (!gFailureReported) qWarning("Tracebook: a record could not be written: %s", failure.what());
    gFailureReported = true;
  }
}

void ResetQtWriteFailure() { gFailureReported = false; }
