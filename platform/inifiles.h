#pragma once
// INI files: sections of "key=value" lines, looked up with letter case ignored. Every write goes
// to the file at once; lines the write does not touch (comments, blank lines, other sections,
// their order and spelling) stay as they were.

#include <string>
#include <string_view>

#include "platform/classes.h"

class TIniFile {
 public:
  explicit TIniFile(std::string fileName);
  const std::string& FileName() const { return FFileName; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A value that is not a whole number (decimal, or hexadecimal after "$" or "0x") reads as
  // `fallback`.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // "0" is false, any other integer true; anything else reads as `fallback`.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // The keys of a section, in file order; nothing for a missing file or section.
  void ReadSection(std::string_view section, TStrings& keys) const;
  // The section's "key=value" lines as they stand, in file order.
  void ReadSectionValues(std::string_view section, TStrings& lines) const;
  void ReadSections(TStrings& sections) const;
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);

 private:
  std::string FFileName;
};
