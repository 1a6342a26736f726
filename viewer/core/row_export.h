#pragma once
// Export: every visible row as a line of text or of comma-separated values, each line ended by
// CR LF, no header. In text a separator row becomes 80 "=" (the separator after a session) or 80
// "-" (a separator record); in CSV it is left out.

#include <ostream>
#include <string>

#include "viewer/core/event_view.h"

enum class TExportFormat { efText, efCsv };

// Writes the rows to the stream; a failed write raises EInOutError with the runtime's message.
void ExportRows(const TEventView& view, TExportFormat format, std::ostream& out);
// Creates or overwrites the file and writes the rows to it. A file that cannot be created or
// written raises EInOutError with the runtime's message; what was written stays.
void ExportRowsToFile(const TEventView& view, TExportFormat format, const std::string& fileName);
// The text with every carriage return and line feed turned into a space, as an exported row has it.
std::string OnOneLine(std::string text);
// The format a file name's extension asks for: ".csv" (any letter case) is CSV, all else text.
TExportFormat ExportFormatOf(const std::string& fileName);
