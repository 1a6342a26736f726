// Diverting unhandled exceptions into the log.

#include "capture/exception_diversion.h"

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/system.h"

namespace {

TExceptProc gSavedExceptProc = nullptr;
bool gDivertedConsole = false;

// The console host's exception procedure while a log runs: the record first, then whatever
// handled such exceptions before (the runtime's own report when nothing did).
void LogConsoleException(const std::exception& exception, uintptr_t address) {
  try {
    if (TLogStream* log = LogStream()) {
      log->WriteEvent(TExceptionEvent::CreateFromConsole(exception, address));
    }
  } catch (...) {
    // The host's report of the exception must not be lost to a failing log.
  }
  if (gSavedExceptProc) {
    gSavedExceptProc(exception, address);
  } else {
    ShowUnhandledException(exception, address);
  }
}

}  // namespace

void DivertExceptions() {
  gDivertedConsole = IsConsole();
  if (gDivertedConsole) {
    gSavedExceptProc = ExceptProc();
    SetExceptProc(&LogConsoleException);
    return;
  }
  SavedAppOnException() = Application().OnException();
  // The log is looked up when an exception comes: it may have been closed since.
  Application().SetOnException([](TObject* sender, const std::exception& e) {
    if (TLogStream* log = LogStream()) {
      log->LogException(sender, e);
    } else {
      PassExceptionOn(sender, e);
    }
  });
}

void RestoreExceptions() {
  if (gDivertedConsole) {
    SetExceptProc(gSavedExceptProc);
    gSavedExceptProc = nullptr;
    return;
  }
  Application().SetOnException(SavedAppOnException());
}
