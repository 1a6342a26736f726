#pragma once
// How the steps report is laid out in one of its formats: what comes before the steps, each line,
// and what comes after, each appended to a buffer that the export writes out in pieces.

#include <string>

#include "viewer/core/steps_report.h"

struct TStepsLayout {
  // `logFile` is the log's path, empty when no log is shown.
  void (*Begin)(const std::string& logFile, std::string& out);
  void (*Line)(const TStepLine& line, std::string& out);
  void (*End)(std::string& out);
};

// Plain lines ended by CR LF, as the text export has them.
extern const TStepsLayout kTextStepsLayout;
// One HTML document with its styles inline, for screens and for print.
extern const TStepsLayout kHtmlStepsLayout;

// The report's heading and the sentence that says how to read its numbers and times.
std::string StepsTitle(const std::string& logFile);
inline constexpr const char* kStepsReadingNote =
    "Steps are numbered from 1 in each session; times count from the start of the session.";
// What a collapsed heading adds to its text.
inline constexpr const char* kCollapsedNote = " (collapsed in the viewer: its steps are left out)";
// The text of a line: a session's heading is "Session N: ...", everything else its wording.
std::string StepLineText(const TStepLine& line);
