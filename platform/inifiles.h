#pragma once
// INI files: sections of "key=value" lines, looked up with letter case ignored. Every write goes
// to the file at once; lines the write does not touch (comments, blank lines, other sections,
// their order and spelling) stay as they were.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/classes.h"
#include "platform/sysutils.h"

// A value that could not be written to an INI file: "Unable to write to " and the file's name as
// the INI file object was given it.
class EIniFileException : public Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EIniFileException"; }
};

// What every kind of INI file offers: texts by section and key, and numbers and flags stored as
// texts.
class TCustomIniFile {
 public:
  explicit TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
  virtual ~TCustomIniFile() = default;
  const std::string& FileName() const { return FFileName; }

  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const = 0;
  // A line break in a section, key or value raises EConvertError and changes nothing.
  virtual void WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;

  // A value that is not a whole number (decimal, or hexadecimal after "$" or "0x") reads as
  // `fallback`.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  // "0" is false, any other integer true; anything else reads as `fallback`.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 protected:
  std::string FFileName;
};

// An INI file read and written by the private-profile rules: a bare file name ("DELPHI.INI")
// stands for that file in the Windows directory (platform/windows_directory.h), which the first
// write creates; FileName() keeps the name as given.
class TIniFile : public TCustomIniFile {
 public:
  explicit TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
  // A value that cannot be stored raises EIniFileException and leaves the file as it was.
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

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
  // Where the file is: the given name, a bare one placed in the Windows directory.
  std::string Location() const;
};
