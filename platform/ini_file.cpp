// TIniFile: reading and editing the values of an INI file, one whole-file rewrite per edit.

#include "platform/inifiles.h"

#include <filesystem>
#include <system_error>

#include "platform/ini_text.h"
#include "platform/windows_directory.h"

namespace {

// A file that cannot be read answers like a missing one; only edits report it.
TIniText LoadForReading(const std::string& fileName) {
  try {
    return TIniText::Load(fileName);
  } catch (const EFOpenError&) {
    return TIniText();
  }
}

}  // namespace

std::string TIniFile::Location() const { return PrivateProfileFileName(FFileName); }

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  const TIniText text = LoadForReading(Location());
  const int line = text.FindKey(text.FindSection(section), key);
  if (line < 0) return std::string(fallback);
  return TIniText::ValueOf(text.Lines[static_cast<size_t>(line)]);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  TIniText::CheckSingleLine(section);
  TIniText::CheckSingleLine(key);
  TIniText::CheckSingleLine(value);
  const std::string location = Location();
  try {
    TIniText text = TIniText::Load(location);
    const TIniText::TRange range = text.FindSection(section);
    const int line = text.FindKey(range, key);
    if (line >= 0) {
      std::string& entry = text.Lines[static_cast<size_t>(line)];
      entry = TIniText::WithValue(entry, value);
    } else if (range.Header >= 0) {
      const int position = text.AppendPosition(range);
      text.Lines.insert(text.Lines.begin() + position, std::string(key) + "=" + std::string(value));
    } else {
      if (!text.Lines.empty() && !Trim(text.Lines.back()).empty()) text.Lines.emplace_back();
      text.Lines.push_back("[" + std::string(section) + "]");
      text.Lines.push_back(std::string(key) + "=" + std::string(value));
    }
    // The Windows directory may not exist yet; a folder that cannot be made fails the save below.
    if (location != FFileName) {
      std::error_code ignored;
      std::filesystem::create_directories(std::filesystem::path(location).parent_path(), ignored);
    }
    text.Save(location);
  } catch (const EStreamError&) {
    throw EIniFileException(Format("Unable to write to %s", FFileName));
  }
}

void TIniFile::ReadSection(std::string_view section, TStrings& keys) const {
  keys.Clear();
  const TIniText text = LoadForReading(Location());
  const TIniText::TRange range = text.FindSection(section);
  std::string key;
  for (int i = range.Header + 1; range.Header >= 0 && i < range.End; ++i) {
    if (TIniText::IsKeyLine(text.Lines[static_cast<size_t>(i)], key)) keys.Add(key);
  }
}

void TIniFile::ReadSectionValues(std::string_view section, TStrings& lines) const {
  lines.Clear();
  const TIniText text = LoadForReading(Location());
  const TIniText::TRange range = text.FindSection(section);
  for (int i = range.Header + 1; range.Header >= 0 && i < range.End; ++i) {
    const std::string& line = text.Lines[static_cast<size_t>(i)];
    if (!TIniText::IsBlankOrComment(line)) lines.Add(Trim(line));
  }
}

void TIniFile::ReadSections(TStrings& sections) const {
  sections.Clear();
  std::string name;
  for (const std::string& line : LoadForReading(Location()).Lines) {
    if (TIniText::IsSectionHeader(line, name)) sections.Add(name);
  }
}

bool TIniFile::SectionExists(std::string_view section) const {
  return LoadForReading(Location()).FindSection(section).Header >= 0;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  const TIniText text = LoadForReading(Location());
  return text.FindKey(text.FindSection(section), key) >= 0;
}

void TIniFile::EraseSection(std::string_view section) {
  TIniText text = TIniText::Load(Location());
  const TIniText::TRange range = text.FindSection(section);
  if (range.Header < 0) return;
  text.Lines.erase(text.Lines.begin() + range.Header, text.Lines.begin() + range.End);
  text.Save(Location());
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  TIniText text = TIniText::Load(Location());
  const int line = text.FindKey(text.FindSection(section), key);
  if (line < 0) return;
  text.Lines.erase(text.Lines.begin() + line);
  text.Save(Location());
}
