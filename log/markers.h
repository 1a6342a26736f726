#pragma once
// The program's own markers in a log: a message, a section entered or left, a separator. The
// engine and the Qt recorder write them alike.

#include <string>

#include "log/log_stream.h"

void WriteUserMessage(TLogStream& log, const std::string& message);
void WriteSectionEvent(TLogStream& log, const std::string& sectionName, bool enter);
void WriteSeparator(TLogStream& log);
