// Parsing the installer's command line.

#include "installer/install_options.h"

#include "platform/sysutils.h"

namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }

std::string Unquoted(const std::string& value) {
  if (value.empty() || !IsQuote(value.front()) || !IsQuote(value.back())) return value;
  return value.size() < 2 ? std::string() : value.substr(1, value.size() - 2);
}

}  // namespace

TInstallOptions ParseInstallOptions(const std::vector<std::string>& parameters) {
  TInstallOptions options;
  for (const std::string& parameter : parameters) {
    if (parameter == "--help") options.Help = true;
    if (parameter.size() < 3 || (parameter[0] != '-' && parameter[0] != '/')) continue;
    const std::string value = Unquoted(parameter.substr(2));
    switch (UpperCase(parameter.substr(1, 1))[0]) {
      case 'T':
        options.Title = value;
        break;
      case 'P':
        options.Path = value;
        break;
      case 'W':
        options.WorkingDir = value;
        break;
      case 'A':
        options.Params = value;
        break;
      case 'C':
        options.Create = true;
        break;
      default:
        break;
    }
  }
  return options;
}

std::string InstallUsage() {
  return "Usage: sarnet [options]\n"
         "Adds an entry to the Tools menu of the IDE, in section [transfer] of DELPHI.INI in the\n"
         "Windows directory ($WINDIR, else ~/.config/tracebook/windows).\n"
         "  /T<title>       the menu entry's title\n"
         "  /P<path>        the program to start\n"
         "  /W<folder>      its working folder\n"
         "  /A<parameters>  its parameters\n"
         "  /C+             create the section when DELPHI.INI has none\n"
         "Options may begin with \"-\" as well; quotes around a value are removed.\n";
}
