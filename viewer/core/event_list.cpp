// Classifying records for grouping.

#include "viewer/core/event_list.h"

#include "log/builtin_events.h"

bool IsStartSession(const TLogEvent& record) {
  return record.InheritsFrom(TStartSessionEvent::StaticClass());
}

bool IsStopSession(const TLogEvent& record) {
  return record.InheritsFrom(TStopSessionEvent::StaticClass());
}

bool IsGroupRecord(const TLogEvent& record) {
  return IsStartSession(record) || IsStopSession(record) ||
         record.InheritsFrom(TSectionEvent::StaticClass());
}
