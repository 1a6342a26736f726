#pragma once
// How one row of the record list looks: its texts, indent and image, and for drawing, whether it
// is a separator and which colour and style its record class has.

#include <cstdint>
#include <string>

#include "log/log_event.h"
#include "viewer/core/event_list.h"
#include "viewer/core/settings.h"

// Images of the built-in strip for group rows.
inline constexpr int32_t kCollapsedGroupImage = 7;
inline constexpr int32_t kExpandedGroupImage = 8;

inline constexpr const char* kVirtualModeCorruptedText =
    "Virtual mode corrupted.  Please contact Morvale Technical Support.";

struct TRowTexts {
  std::string Time;  // empty before the first session
  std::string EventName;
  std::string Data;
  int32_t Indent = 0;
  int32_t Image = -1;  // -1: none
};

enum class TRowKind {
  rkRecord,
  rkSeparator,          // a separator record of the log: one line
  rkInsertedSeparator,  // the separator after each session: two lines
};

struct TRowLook {
  TRowKind Kind = TRowKind::rkRecord;
  TEventUIDefaults Attributes;  // colour and style of a record row
};

// The image of a row: collapsed or expanded for a group row, the record's own otherwise.
int32_t RowImage(const TEventEntry& entry, const TLogEvent& record);
TRowLook RowLook(const TEventEntry& entry, const TOXOptions& settings);
