// The windowed host's exception handler while a log runs.

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"

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

