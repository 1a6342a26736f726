// Images and drawing attributes of rows.

#include "viewer/core/row_look.h"

#include "log/builtin_events.h"
#include "log/log_stream.h"

int32_t RowImage(const TEventEntry& entry) {
  if (IsGroupRecord(*entry.Event)) {
    return entry.State == esCollapsed ? kCollapsedGroupImage : kExpandedGroupImage;
  }
  return TLogStream::GetEventImageIndex(*entry.Event);
}

TRowLook RowLook(const TEventEntry& entry, const TOXOptions& settings) {
  if (entry.Event->InheritsFrom(TSeparatorEvent::StaticClass())) {
    return {entry.Level == kInsertedSeparatorLevel ? TRowKind::rkInsertedSeparator
                                                   : TRowKind::rkSeparator,
            {}};
  }
  return {TRowKind::rkRecord, settings.GetAttributes(entry.Event->ClassName())};
}
