// Images and drawing attributes of rows.

#include "viewer/core/row_look.h"

#include "log/builtin_events.h"
#include "log/log_stream.h"

int32_t RowImage(const TEventEntry& entry, const TLogEvent& record) {
  if (IsGroupRecord(*entry.Class)) {
    return entry.State == esCollapsed ? kCollapsedGroupImage : kExpandedGroupImage;
  }
  return TLogStream::GetEventImageIndex(record);
}

TRowLook RowLook(const TEventEntry& entry, const TOXOptions& settings) {
  if (entry.Class->InheritsFrom(TSeparatorEvent::StaticClass())) {
    return {entry.Level == kInsertedSeparatorLevel ? TRowKind::rkInsertedSeparator
                                                   : TRowKind::rkSeparator,
            {}};
  }
  return {TRowKind::rkRecord, settings.GetAttributes(entry.Class->ClassName())};
}
