// Finding where the last whole record of a log ends, by reading its records from the start.

#include "log/torn_record.h"

#include <cstdint>

#include "log/log_stream.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/classes.h"

void CutTornLastRecord(TFileStream& file) {
  const int64_t size = file.Size();
  // Only a write cut at a page boundary leaves a torn record; reading every other log whole
  // would slow each start for nothing.
  if (size % kPageSize != 0) return;
  file.SetPosition(sizeof kLogSignature);
  int64_t wholeEnd = sizeof kLogSignature;
  {
    TLogStream reader(file);
    try {
      while (reader.ReadEvent()) wholeEnd = reader.Seek(0, TSeekOrigin::soCurrent);
      return;  // the log ends with a whole record
    } catch (const ETracebookError& error) {
      if (error.MessageId() != log_strings::SRecordCutOff) return;  // damage of another kind
    } catch (const std::exception&) {
      return;
    }
  }
  file.SetSize(wholeEnd);
}
