// Writing the program's markers.

#include "log/markers.h"

#include <memory>

#include "log/builtin_events.h"

void WriteUserMessage(TLogStream& log, const std::string& message) {
  log.WriteEvent(std::make_unique<TUserMessageEvent>(message));
}

void WriteSectionEvent(TLogStream& log, const std::string& sectionName, bool enter) {
  if (enter) {
    log.WriteEvent(std::make_unique<TEnterSectionEvent>(sectionName));
  } else {
    log.WriteEvent(std::make_unique<TLeaveSectionEvent>(sectionName));
  }
}

void WriteSeparator(TLogStream& log) { log.WriteEvent(std::make_unique<TSeparatorEvent>()); }
