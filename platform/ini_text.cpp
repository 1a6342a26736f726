// The line model of INI files: reading, writing back and locating sections and keys.

#include "platform/ini_text.h"

#include <algorithm>

#include "platform/classes.h"
#include "platform/file_replace.h"

TIniText TIniText::Load(const std::string& fileName) {
  TIniText text;
  if (!FileExists(fileName)) return text;
  TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
  std::string bytes(static_cast<size_t>(file.Size()), '\0');
  bytes.resize(static_cast<size_t>(file.Read(bytes.data(), static_cast<int32_t>(bytes.size()))));
  const size_t firstBreak = bytes.find('\n');
  if (firstBreak != std::string::npos && firstBreak > 0 && bytes[firstBreak - 1] == '\r')
    text.FLineBreak = "\r\n";
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text.Lines.push_back(std::move(line));
    pos = end + 1;
  }
  return text;
}

void TIniText::Save(const std::string& fileName) const {
  std::string bytes;
  for (const std::string& line : Lines) bytes += line + FLineBreak;
  ReplaceFileContents(fileName, bytes);
}

bool TIniText::IsSectionHeader(std::string_view line, std::string& name) {
  const std::string trimmed = Trim(line);
  const size_t close = trimmed.find(']');
  if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos) return false;
  name = Trim(std::string_view(trimmed).substr(1, close - 1));
  return true;
}

bool TIniText::IsBlankOrComment(std::string_view line) {
  const std::string trimmed = Trim(line);
  return trimmed.empty() || trimmed[0] == ';';
}

bool TIniText::IsKeyLine(std::string_view line, std::string& key) {
  std::string section;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos || IsBlankOrComment(line) || IsSectionHeader(line, section))
    return false;
  key = Trim(line.substr(0, eq));
  return true;
}

std::string TIniText::ValueOf(std::string_view line) {
  return Trim(line.substr(line.find('=') + 1));
}

std::string TIniText::WithValue(std::string_view line, std::string_view value) {
  const size_t valueStart = line.find_first_not_of(" \t", line.find('=') + 1);
  return std::string(line.substr(0, std::min(valueStart, line.size()))) + std::string(value);
}

bool TIniText::ParseInteger(std::string_view text, int32_t& value) {
  try {
    value = StrToInt(text);
    return true;
  } catch (const EConvertError&) {
    return false;
  }
}

void TIniText::CheckSingleLine(std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos)
    throw EConvertError("INI file entries cannot contain line breaks");
}

TIniText::TRange TIniText::FindSection(std::string_view section) const {
  TRange range;
  const int count = static_cast<int>(Lines.size());
  std::string name;
  for (int i = 0; i < count; ++i) {
    if (!IsSectionHeader(Lines[static_cast<size_t>(i)], name)) continue;
    if (range.Header >= 0) {
      range.End = i;
      return range;
    }
    if (SameText(name, Trim(section))) range.Header = i;
  }
  range.End = count;
  return range;
}

int TIniText::FindKey(const TRange& range, std::string_view key) const {
  std::string name;
  for (int i = range.Header + 1; range.Header >= 0 && i < range.End; ++i) {
    if (IsKeyLine(Lines[static_cast<size_t>(i)], name) && SameText(name, Trim(key))) return i;
  }
  return -1;
}

int TIniText::AppendPosition(const TRange& range) const {
  int position = range.End;
  while (position > range.Header + 1 && Trim(Lines[static_cast<size_t>(position - 1)]).empty())
    --position;
  return position;
}
