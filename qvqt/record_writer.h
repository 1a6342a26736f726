#pragma once
// Hands the recorder's records to the current log. Records arise inside Qt's event delivery,
// where nothing may be thrown, so a failed write is reported once per log and then dropped.

#include <memory>

#include "log/log_event.h"

void WriteQtRecord(std::unique_ptr<TLogEvent> record);
// Forgets an earlier reported failure: the next log reports its own first one.
void ResetQtWriteFailure();
