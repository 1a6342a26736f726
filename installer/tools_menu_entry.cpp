// The install step: one Tools-menu entry in section "transfer".

#include "installer/tools_menu_entry.h"

#include <vector>

#include "platform/win32/windows.h"

namespace {

constexpr const char* kSection = "transfer";
constexpr DWORD kShortPathBuffer = 256;

}  // namespace

std::string ShortPathOf(const std::string& path) {
  std::vector<char> buffer(kShortPathBuffer);
  DWORD length = GetShortPathNameA(path.c_str(), buffer.data(), kShortPathBuffer);
  if (length >= kShortPathBuffer) {
    buffer.resize(length);
    length = GetShortPathNameA(path.c_str(), buffer.data(), length);
    if (length >= buffer.size()) return std::string();  // the file changed in between
  }
  return std::string(buffer.data(), length);
}

bool AddToolsMenuEntry(const TInstallOptions& options, TIniFile& ini) {
  if (!options.HasEntryValue()) return false;
  if (!options.Create) {
    TStringList keys;
    ini.ReadSection(kSection, keys);
    if (keys.Count() == 0) return false;
  }
  const int32_t n = ini.ReadInteger(kSection, "Count", 0);
  const std::string number = IntToStr(n);
  ini.WriteString(kSection, "Title" + number, options.Title);
  ini.WriteString(kSection, "Path" + number, ShortPathOf(options.Path));
  ini.WriteString(kSection, "WorkingDir" + number, options.WorkingDir);
  ini.WriteString(kSection, "Params" + number, options.Params);
  ini.WriteInteger(kSection, "Count", n + 1);
  return true;
}
