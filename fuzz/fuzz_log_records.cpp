// Reading records from arbitrary bytes after a log's signature: every record that reads must
// give its texts, and anything else must end the reading with an error, never a crash, a hang or
// memory out of proportion to the input.

#include <cstdint>
#include <exception>

#include "log/log_event.h"
#include "log/log_stream.h"
#include "platform/classes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream bytes;
  bytes.Write(data, static_cast<int32_t>(size));
  bytes.SetPosition(0);
  TLogStream log(bytes);
  try {
    while (auto record = log.ReadEvent()) {
      record->AsString();
      record->GetEventName();
    }
  } catch (const std::exception&) {
    // A damaged log ends the reading with an error: that is the behaviour wanted.
  }
  return 0;
}
