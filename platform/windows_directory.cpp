// The Windows directory of this platform and the placing of bare INI file names in it.

#include "platform/windows_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/sysutils.h"

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Variable("HOME");
  if (home.empty()) {
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) home = user->pw_dir;
  }
  return home;
}

}  // namespace

std::string GetWindowsDirectory() {
  std::string windows = Variable("WINDIR");
  if (!windows.empty()) return windows;
  std::string config = Variable("XDG_CONFIG_HOME");
  if (config.empty()) config = IncludeTrailingPathDelimiter(HomeFolder()) + ".config";
  return IncludeTrailingPathDelimiter(config) + "tracebook/windows";
}

std::string PrivateProfileFileName(std::string_view fileName) {
  if (fileName.find(PathDelim) != std::string_view::npos) return std::string(fileName);
  return IncludeTrailingPathDelimiter(GetWindowsDirectory()) + std::string(fileName);
}
