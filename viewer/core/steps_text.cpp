// The steps report as plain text: a title, then per session its heading and its steps indented by
// their nesting; markers are flagged with "*", exceptions with "!", so that both stand out.

#include <string_view>

#include "viewer/core/steps_layout.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The text on one line, without control characters that a terminal would act on.
void AppendPlain(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\t' || c == '\r' || c == '\n') {
      out += ' ';
    } else if (b < 0x20 || b == 0x7F) {
      out += '?';
    } else {
      out += c;
    }
  }
}

void Begin(const std::string& logFile, std::string& out) {
  AppendPlain(out, StepsTitle(logFile));
  out += kLineEnd;
  if (!logFile.empty()) {
    out += "Log: ";
    AppendPlain(out, logFile);
    out += kLineEnd;
  }
  out += kStepsReadingNote;
  out += kLineEnd;
}

void Line(const TStepLine& line, std::string& out) {
  if (line.Kind == TStepKind::skSessionStart) out += kLineEnd;
  // Two blanks per level, then the flag of a marker or an exception.
  out.append(static_cast<size_t>(line.Level) * 2, ' ');
  if (line.Kind == TStepKind::skMarker) out += "* ";
  if (line.Kind == TStepKind::skException) out += "! ";
  if (line.Number > 0) {
    out += "Step " + std::to_string(line.Number) + (line.Time.empty() ? "" : ", " + line.Time);
    out += ": ";
  } else if (!line.Time.empty() && line.Kind != TStepKind::skSessionStart) {
    out += line.Time + ": ";
  }
  AppendPlain(out, StepLineText(line));
  out += kLineEnd;
}

void End(std::string&) {}

}  // namespace

const TStepsLayout kTextStepsLayout = {Begin, Line, End};
