#pragma once
// Export of the steps report (see steps_report.h) as plain text or as one HTML document.

#include <ostream>
#include <string>

#include "viewer/core/event_view.h"

enum class TStepsFormat { sfText, sfHtml };

// Writes the report to the stream; a failed write raises EInOutError with the runtime's message.
void ExportSteps(const TEventView& view, TStepsFormat format, std::ostream& out);
// Creates or overwrites the file and writes the report to it. A file that cannot be created or
// written raises EInOutError with the runtime's message; what was written stays.
void ExportStepsToFile(const TEventView& view, TStepsFormat format, const std::string& fileName);
// The format a file name's extension asks for: ".html" or ".htm" (any letter case) is HTML, all
// else text.
TStepsFormat StepsFormatOf(const std::string& fileName);
