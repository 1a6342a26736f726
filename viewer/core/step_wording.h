#pragma once
// How one record reads as a step of the steps report: a plain-language sentence built from the
// record's properties by a table of record class names, and whether the step is a user's action,
// a marker the program set, an exception, or the start or end of a session or section. Classes the
// table does not know (those of packages) read as the list shows them: event name and data.

#include <string>

#include "log/log_event.h"

enum class TStepKind {
  skAction,        // something the user did (and any record that is no marker, exception or group)
  skMarker,        // a message or separator the program logged
  skException,     // an exception of the program
  skSessionStart,  // the start of a session: a heading
  skSessionEnd,    // the end of a session
  skSectionEnter,  // the entry into a section: a heading
  skSectionLeave,  // the exit from a section
};

struct TStepWording {
  TStepKind Kind = TStepKind::skAction;
  std::string Text;
  bool operator==(const TStepWording&) const = default;
};

// The record's step: the table's wording for its class, else the fallback.
TStepWording WordStep(const TLogEvent& record);
// The wording of a class the table does not know: "event name: data", or the event name alone
// when the data is empty.
TStepWording FallbackStep(const TLogEvent& record);
