// The log and the host's exception handling: the windowed host's exception handler while a log
// runs, and the report of a record that capture could not write.

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "platform/vcl/system.h"

TExceptionEventHandler& SavedAppOnException() {
  static auto* handler = new TExceptionEventHandler;
  return *handler;
}

void TLogStream::LogException(TObject* sender, const std::exception& exception) {
  try {
    WriteEvent(std::make_unique<TExceptionEvent>(exception));
  } catch (...) {
    // The host's own handling of the exception must happen even when the log cannot take it.
  }
  PassExceptionOn(sender, exception);
}

void PassExceptionOn(TObject* sender, const std::exception& exception) {
  if (SavedAppOnException()) {
    SavedAppOnException()(sender, exception);
  } else {
    Application().ShowException(exception);
  }
}

void TLogStream::ReportCaptureFailure(const std::exception& failure) {
  if (!FLastWriteFailed || FCaptureFailureReported) return;
  // Set first: the report writes an exception record of its own, which may fail the same way,
  // and the host's handling may cause further hook calls.
  FCaptureFailureReported = true;
  if (IsConsole()) {
    HandleUnhandledException(failure, 0);
  } else {
    Application().HandleException(&Application(), failure);
  }
}
