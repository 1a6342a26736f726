#pragma once
// INI files held in memory: the file is read once, reads and writes work on the copy, and
// UpdateFile writes the copy back in one atomic replace. Sections and keys are looked up with
// letter case ignored, in constant time however long the file is; lines that no write touches
// (comments, blank lines, other sections, their order and spelling) stay as they were.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ini_text.h"
#include "platform/inifiles.h"
#include "platform/sysutils.h"

class TMemIniFile : public TCustomIniFile {
 public:
  // Reads the file (see Reload).
  explicit TMemIniFile(std::string fileName);

  // Reads the file again, dropping the changes not yet written. A missing file gives an empty
  // copy. So does a file that exists but cannot be read; UpdateFile then refuses to replace it,
  // so that what could not be read is not lost.
  void Reload();

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
  // Changes the copy only.
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

  // Writes the copy to the file in one replace. On failure the file stays as it was and
  // EFCreateError (or EFOpenError for a file that could not be read) is raised.
  void UpdateFile() const;

 private:
  struct TSection {
    // The header line first, except in the section of the lines before any header.
    std::vector<std::string> Lines;
    // Key folded to lower case -> its first line.
    std::unordered_map<std::string, size_t> Keys;
  };

  const TSection* FindSection(std::string_view section) const;
  const std::string* FindLine(std::string_view section, std::string_view key) const;
  TSection& AddSection(std::string_view section);
  void AddLine(TSection& section, std::string line);

  TIniText FFormat;  // the file's line break; its lines stay empty
  std::vector<TSection> FSections;
  // Section name folded to lower case -> the first section of that name.
  std::unordered_map<std::string, size_t> FSectionIndex;
  std::string FReadError;  // why the existing file could not be read; empty when it could
};
