// Reading and writing the collapsed-rows list of the settings file.

#include "viewer/core/collapse_setting.h"

#include "platform/sysutils.h"

namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
  std::vector<std::string_view> parts;
  if (text.empty()) return parts;
  for (size_t start = 0;;) {
    const size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return parts;
}

}  // namespace

std::vector<int32_t> ParseCollapseSetting(std::string_view text) {
  const std::vector<std::string_view> parts = SplitAtCommas(text);
  std::vector<int32_t> indexes;
  if (parts.empty()) return indexes;
  const int32_t count = StrToIntDef(Trim(parts[0]), 0);
  // The count is only an upper bound: a count larger than the text would invent entries (and a
  // huge one would reserve memory for nothing), so only the parts present are read.
  for (size_t i = 1; i < parts.size() && static_cast<int64_t>(i) <= count; ++i) {
    const int32_t index = StrToIntDef(Trim(parts[i]), -1);
    if (index >= 0) indexes.push_back(index);
  }
  return indexes;
}

std::string FormatCollapseSetting(const std::vector<int32_t>& indexes) {
  if (indexes.empty()) return std::string();
  std::string text = IntToStr(static_cast<int64_t>(indexes.size()));
  for (const int32_t index : indexes) text += "," + IntToStr(index);
  return text;
}
