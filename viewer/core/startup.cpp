// The viewer's start-up order.

#include "viewer/core/startup.h"

#include <algorithm>

#include "log/packages.h"
#include "platform/sysutils.h"

void LoadPackagesAndSettings(TOXOptions& settings) {
  LoadPackages();
  settings.Load();
}

std::string ChooseStartupLog(const std::vector<std::string>& arguments, TOXOptions& settings) {
  if (!arguments.empty()) {
    const std::string& named = arguments.front();
    return !named.empty() && FileExists(named) ? ExpandFileName(named) : std::string();
  }
  const std::string& last = settings.LastLog.Filename;
  if (!last.empty() && FileExists(last)) return last;
  settings.LastLog = {};
  settings.SetCollapse({});
  return std::string();
}

bool TakeFollowOption(std::vector<std::string>& arguments) {
  const auto removed = std::erase(arguments, std::string("--follow"));
  return removed > 0;
}
