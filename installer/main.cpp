// sarnet: adds a program to the Tools menu of the IDE by editing its DELPHI.INI.

#include <cstdio>
#include <string>
#include <vector>

#include "installer/install_options.h"
#include "installer/tools_menu_entry.h"
#include "platform/vcl/system.h"

namespace {

// The runtime's exit code for a program ended by an exception nobody caught.
constexpr int kUnhandledExceptionExitCode = 217;

}  // namespace

int main(int argc, char** argv) {
  SetIsConsole(true);
  const TInstallOptions options =
      ParseInstallOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (options.Help) {
    std::fputs(InstallUsage().c_str(), stdout);
    return 0;
  }
  try {
    TIniFile ini(kIdeIniFileName);
    AddToolsMenuEntry(options, ini);
  } catch (const std::exception& e) {
    HandleUnhandledException(e, 0);
    return kUnhandledExceptionExitCode;
  }
  return 0;
}
