// The typed reads and writes every INI file offers, on top of its texts.

#include "platform/ini_text.h"
#include "platform/inifiles.h"
#include "platform/sysutils.h"

int32_t TCustomIniFile::ReadInteger(std::string_view section, std::string_view key,
                                    int32_t fallback) const {
  int32_t value = 0;
  return TIniText::ParseInteger(ReadString(section, key, ""), value) ? value : fallback;
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  int32_t value = 0;
  return TIniText::ParseInteger(ReadString(section, key, ""), value) ? value != 0 : fallback;
}

void TCustomIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TCustomIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}
