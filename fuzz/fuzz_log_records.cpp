// Reading records from arbitrary bytes after a log's signature: every record that reads must
// give its texts, and anything else must end the reading with an error, never a crash, a hang or
// memory out of proportion to the input. Skimming the same bytes must find the same records, at
// the same places, and end where reading whole ends; each record read again where it begins
// must be the same record.

#include <cstdint>
#include <exception>
#include <memory>

#include "log/log_event.h"
#include "log/log_stream.h"
#include "platform/classes.h"

namespace {

bool NoWholeRecords(const TLogEventClass&) { return false; }

// The next record read whole, or nullptr at the end; `failed` tells a reading that raised.
std::unique_ptr<TLogEvent> ReadWhole(TLogStream& log, bool& failed) {
  try {
    return log.ReadEvent();
  } catch (const std::exception&) {
    failed = true;
    return nullptr;
  }
}

bool Skim(TLogStream& log, TEventSkim& event, bool& failed) {
  try {
    return log.SkimEvent(event, NoWholeRecords);
  } catch (const std::exception&) {
    failed = true;
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream wholeBytes;
  wholeBytes.Write(data, static_cast<int32_t>(size));
  wholeBytes.SetPosition(0);
  TMemoryStream skimBytes;
  skimBytes.Write(data, static_cast<int32_t>(size));
  skimBytes.SetPosition(0);
  TLogStream whole(wholeBytes);
  TLogStream skimmed(skimBytes);
  for (;;) {
    bool wholeFailed = false;
    bool skimFailed = false;
    const std::unique_ptr<TLogEvent> record = ReadWhole(whole, wholeFailed);
    TEventSkim event;
    const bool found = Skim(skimmed, event, skimFailed);
    if (wholeFailed != skimFailed || (record != nullptr) != found) __builtin_trap();
    if (!record) break;
    record->AsString();
    record->GetEventName();
    if (event.Class != &record->ClassType() || event.TickCount != record->TickCount() ||
        event.Offset != whole.EventOffset()) {
      __builtin_trap();
    }
    // Read again with the pool as it stands after the record: pool records before it are
    // applied already, and none after it.
    const int64_t next = whole.Seek(0, TSeekOrigin::soCurrent);
    try {
      const std::unique_ptr<TLogEvent> again = whole.ReadEventAt(event.Offset);
      if (&again->ClassType() != event.Class || again->TickCount() != event.TickCount) {
        __builtin_trap();
      }
    } catch (const std::exception&) {
      __builtin_trap();
    }
    whole.Seek(next, TSeekOrigin::soBeginning);
  }
  return 0;
}
