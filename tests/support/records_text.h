#pragma once
// Records as text for comparing a whole recorded session with the records it must log: the class
// name of each record followed by its property lines. Tick counts and session times differ from
// run to run and are left out.

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "log/log_event.h"
#include "platform/classes.h"
#include "tests/support/scratch_dir.h"

inline bool IsRunDependent(const std::string& propertyLine) {
  for (const char* name : {"EventName=", "TickCount=", "BeginTime=", "EndTime="})
    if (propertyLine.starts_with(name)) return true;
  return false;
}

inline std::string RecordsText(const std::vector<std::unique_ptr<TLogEvent>>& records) {
  std::string text;
  for (const auto& record : records) {
    text += record->ClassName() + "\n";
    TStringList lines;
    record->GetPropertiesAndValues(&lines);
    for (int i = 0; i < lines.Count(); ++i)
      if (!IsRunDependent(lines.Get(i))) text += "  " + lines.Get(i) + "\n";
  }
  return text;
}

// The expected records of a file, without the comment lines and blank lines that explain them.
inline std::string ExpectedText(const std::string& fileName) {
  std::istringstream in(ReadTextFile(fileName));
  std::string text;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && !line.starts_with("#")) text += line + "\n";
  return text;
}
