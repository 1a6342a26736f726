// Loading the additional packages named in TrcBook.ini.

#include "log/packages.h"

#include <vector>

#include "platform/inifiles.h"
#include "platform/vcl/application.h"
#include "platform/vcl/packages.h"

namespace {

std::vector<HMODULE>& PackageList() {
  static auto* packages = new std::vector<HMODULE>;
  return *packages;
}

std::string ProgramFolder() { return ExtractFilePath(Application().ExeName()); }

std::string ConfigurationFile() { return ProgramFolder() + "TrcBook.ini"; }

// A bare file name is looked for beside the program first, then where the loader looks.
std::string PackageFile(const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  const std::string beside = ProgramFolder() + name;
  return FileExists(beside) ? beside : name;
}

}  // namespace

void LoadPackages() {
  TIniFile ini(ConfigurationFile());
  TStringList lines;
  ini.ReadSectionValues("Packages", lines);
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Get(i);
    const size_t separator = line.find('=');
    if (separator == std::string::npos) continue;
    // An empty name would load the program itself.
    const std::string name = Trim(std::string_view(line).substr(separator + 1));
    if (name.empty()) continue;
    try {
      PackageList().push_back(LoadPackage(PackageFile(name)));
    } catch (...) {
      // A package that does not load is skipped; the others still load.
    }
  }
}

const std::vector<HMODULE>& LoadedPackages() { return PackageList(); }

void UnloadPackages() {
  std::vector<HMODULE>& packages = PackageList();
  while (!packages.empty()) {
    const HMODULE package = packages.back();
    packages.pop_back();
    try {
      UnloadPackage(package);
    } catch (...) {
      // Unloading goes on with the others.
    }
  }
}
