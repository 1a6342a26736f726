// evtsample: writes a small sample session to a log through the library, as a host would: session
// start, a message, a section with a separator and an exception in it, session end.

#include <iostream>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: evtsample LOG\n";
    return 2;
  }
  try {
    CreateLogStream(argv[1], true);
    TLogStream& log = *LogStream();
    log.WriteEvent(std::make_unique<TStartSessionEvent>("Orders"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("Opening the order form"));
    log.WriteEvent(std::make_unique<TEnterSectionEvent>("Save order"));
    log.WriteEvent(std::make_unique<TSeparatorEvent>());
    log.WriteEvent(std::make_unique<TExceptionEvent>(EInOutError("Disk full", 112)));
    log.WriteEvent(std::make_unique<TLeaveSectionEvent>("Save order"));
    log.WriteEvent(std::make_unique<TStopSessionEvent>());
    CloseLogStream();
  } catch (const std::exception& e) {
    std::cerr << "evtsample: " << argv[1] << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}
