#pragma once
// The lines of an INI file as they stand, with the lookups of sections and keys that TIniFile
// reads and edits through. Lines are kept verbatim so that a rewrite changes only what it edits.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TIniText {
 public:
  // Reads the file; a missing file gives no lines. Raises EFOpenError when the file exists but
  // cannot be read.
  static TIniText Load(const std::string& fileName);
  // Writes the lines back, each ended with the line break the file used. Raises EFCreateError.
  void Save(const std::string& fileName) const;

  std::vector<std::string> Lines;

  // Lines [Header, End) belong to a section; Header is -1 when it is absent.
  struct TRange {
    int Header = -1;
    int End = 0;
  };
  TRange FindSection(std::string_view section) const;            // the first of that name
  int FindKey(const TRange& range, std::string_view key) const;  // line index or -1
  // Where a new key of the section goes: after its last line that is not blank.
  int AppendPosition(const TRange& range) const;

  // The parts of one line; letter case and surrounding spaces of names are left to the caller.
  static bool IsSectionHeader(std::string_view line, std::string& name);
  static bool IsKeyLine(std::string_view line, std::string& key);
  static bool IsBlankOrComment(std::string_view line);
  // The value of a key line: what follows its first "=", without surrounding blanks.
  static std::string ValueOf(std::string_view line);
  // The key line with a new value: the key as spelled, its "=" and the blanks after it stay.
  static std::string WithValue(std::string_view line, std::string_view value);
  // A whole number (decimal, or hexadecimal after "$" or "0x"); false when the text is none.
  static bool ParseInteger(std::string_view text, int32_t& value);
  // A line break in a name or value would split its line and plant lines of its own in the file:
  // raises EConvertError for one.
  static void CheckSingleLine(std::string_view text);

 private:
  std::string FLineBreak = "\n";
};
