// The recent-logs list: its order, its cap, and its section of the settings file.

#include "viewer/core/recent_files.h"

#include <algorithm>

#include "platform/inifiles.h"
#include "platform/sysutils.h"
#include "viewer/core/settings.h"

namespace {

constexpr const char* kSection = "Recent";

std::string FileKey(size_t index) { return "File" + IntToStr(static_cast<int64_t>(index + 1)); }

}  // namespace

void TRecentFiles::Add(const std::string& name) {
  if (name.empty()) return;
  Remove(name);
  FFiles.insert(FFiles.begin(), name);
  if (FFiles.size() > kMaxCount) FFiles.resize(kMaxCount);
}

void TRecentFiles::Remove(const std::string& name) {
  std::erase_if(FFiles, [&](const std::string& listed) { return SameText(listed, name); });
}

void TRecentFiles::Read(const TCustomIniFile& ini) {
  FFiles.clear();
  constexpr auto kMax = static_cast<int32_t>(kMaxCount);
  const size_t count =
      static_cast<size_t>(std::clamp(ini.ReadInteger(kSection, "Count", kMax), 0, kMax));
  // Read oldest first, so that each name read moves above the older ones and the first of
  // two repeats keeps its place.
  for (size_t i = count; i-- > 0;) {
    const std::string name = ini.ReadString(kSection, FileKey(i), "");
    if (!name.empty()) Add(name);
  }
}

void TRecentFiles::Write(TCustomIniFile& ini) const {
  std::vector<std::string> stored;
  std::copy_if(FFiles.begin(), FFiles.end(), std::back_inserter(stored),
               [](const std::string& name) { return IsStorableText(name); });
  ini.WriteInteger(kSection, "Count", static_cast<int32_t>(stored.size()));
  for (size_t i = 0; i < kMaxCount; ++i) {
    ini.WriteString(kSection, FileKey(i), i < stored.size() ? stored[i] : std::string());
  }
}

std::string RecentFileCaption(size_t index, const std::string& name) {
  const std::string number = IntToStr(static_cast<int64_t>(index + 1));
  // The mnemonic is the number's last digit: 1..9, then 0 for the tenth.
  std::string caption = number.substr(0, number.size() - 1) + "&" + number.back() + " ";
  for (const char c : name) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption;
}

std::string MissingRecentFileMessage(const std::string& name) {
  return "The log \"" + name + "\" does not exist.";
}
