// What both layouts of the steps report say the same way.

#include "viewer/core/steps_layout.h"

#include "platform/sysutils.h"

std::string StepsTitle(const std::string& logFile) {
  return logFile.empty() ? std::string("Steps") : "Steps of " + ExtractFileName(logFile);
}

std::string StepLineText(const TStepLine& line) {
  std::string text = line.Text;
  if (line.Kind == TStepKind::skSessionStart)
    text = "Session " + (line.Session >= 0 ? std::to_string(line.Session + 1) : "?") + ": " + text;
  if (line.Collapsed) text += kCollapsedNote;
  return text;
}
