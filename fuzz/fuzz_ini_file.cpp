// Reading INI files of arbitrary bytes: every section, key and value, as numbers and flags too,
// and the viewer's settings loaded from such a file as its Oxlane.ini.

#include <cstdint>
#include <exception>

#include "fuzz/fuzz_input_file.h"
#include "platform/classes.h"
#include "platform/inifiles.h"
#include "viewer/core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFuzzInputFile ini(".ini");
  const std::string& fileName = ini.Write(data, size);
  try {
    TIniFile file(fileName);
    TStringList sections;
    file.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
      TStringList keys;
      file.ReadSection(sections.Get(s), keys);
      for (int k = 0; k < keys.Count(); ++k) {
        file.ReadString(sections.Get(s), keys.Get(k), "");
        file.ReadInteger(sections.Get(s), keys.Get(k), 0);
        file.ReadBool(sections.Get(s), keys.Get(k), false);
      }
    }
    TOXOptions settings(fileName);
    settings.Load();
  } catch (const std::exception&) {
    // An unreadable file is reported with an error.
  }
  return 0;
}
