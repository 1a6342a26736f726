// The record list's entries, and reading their records again from the log.

#include "viewer/core/event_list.h"

#include <algorithm>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "platform/strtable.h"

namespace {

constexpr size_t kCachedRecords = 1024;

std::shared_ptr<const TLogEvent> InsertedSeparator() {
  // Inserted separators are not stamped from the clock.
  static const std::shared_ptr<const TLogEvent> separator = [] {
    auto record = std::make_shared<TSeparatorEvent>();
    record->SetTickCount(0);
    return record;
  }();
  return separator;
}

}  // namespace

TEventList::TEventList() : FCache(kCachedRecords) {}

TEventList::~TEventList() = default;

void TEventList::SetSource(std::unique_ptr<TIndexedLogReader> source) {
  FSource = std::move(source);
}

void TEventList::ReserveForFile(int64_t fileSize) {
  // Every record the library writes holds at least its begin token, its class, a property count
  // and its tick count; a session's end adds an inserted separator.
  constexpr int64_t kSmallestRecord = 17;
  FEntries.reserve(static_cast<size_t>(std::max<int64_t>(fileSize, 0) / kSmallestRecord) + 1);
}

void TEventList::Append(const TEventSkim& record, int32_t level, uint8_t state) {
  FEntries.push_back({record.Class, record.Offset, record.TickCount, level, state});
}

void TEventList::AppendInsertedSeparator() {
  FEntries.push_back({&TSeparatorEvent::StaticClass(), -1, 0, kInsertedSeparatorLevel, esPlain});
}

void TEventList::clear() {
  FEntries.clear();
  FEntries.shrink_to_fit();
  FSource.reset();
  for (TCached& cached : FCache) cached = {};
}

void TEventList::swap(TEventList& other) noexcept {
  FEntries.swap(other.FEntries);
  FSource.swap(other.FSource);
  FCache.swap(other.FCache);
}

std::shared_ptr<const TLogEvent> TEventList::Record(size_t index) const {
  TCached& cached = FCache[index % kCachedRecords];
  if (cached.Index != index || !cached.Record) {
    cached = {index, ReadRecord(FEntries.at(index))};
  }
  return cached.Record;
}

std::shared_ptr<const TLogEvent> TEventList::ReadRecord(const TEventEntry& entry) const {
  if (entry.Offset < 0) {
    if (entry.Level == kInsertedSeparatorLevel) return InsertedSeparator();
  } else if (FSource) {
    try {
      std::shared_ptr<const TLogEvent> record = FSource->ReadAt(entry.Offset);
      if (&record->ClassType() == entry.Class && record->TickCount() == entry.TickCount) {
        return record;
      }
    } catch (const std::exception&) {
      // Told below, like a record of another class found there.
    }
  }
  // The file no longer holds the record that was read there.
  auto unreadable = std::make_shared<TUnregisteredEvent>(TFromStream{});
  unreadable->SetTickCount(entry.TickCount);
  unreadable->SetEventClassName(entry.Class->ClassName() + " (" +
                                LoadStr(log_strings::SLogChangedSinceRead) + ")");
  return unreadable;
}

bool IsStartSession(const TLogEventClass& cls) {
  return cls.InheritsFrom(TStartSessionEvent::StaticClass());
}

bool IsStopSession(const TLogEventClass& cls) {
  return cls.InheritsFrom(TStopSessionEvent::StaticClass());
}

bool IsGroupRecord(const TLogEventClass& cls) {
  return IsStartSession(cls) || IsStopSession(cls) ||
         cls.InheritsFrom(TSectionEvent::StaticClass());
}
