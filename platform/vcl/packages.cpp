// Loading and unloading packages with the dynamic loader.

#include "platform/vcl/packages.h"

#include <dlfcn.h>
#include <link.h>

#include <map>
#include <vector>

#include "platform/sysutils.h"

namespace {

// The loader's handles of the loaded packages, one per load, by module handle.
std::map<HMODULE, std::vector<void*>>& LoadedPackages() {
  static auto* packages = new std::map<HMODULE, std::vector<void*>>;
  return *packages;
}

std::string LoaderError() {
  const char* reason = dlerror();
  return reason ? reason : "unknown reason";
}

HMODULE ModuleOfLoaderHandle(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) return 0;
  return ModuleOfAddress(map->l_ld);
}

}  // namespace

HMODULE LoadPackage(const std::string& fileName) {
  void* handle = dlopen(fileName.c_str(), RTLD_NOW);
  if (!handle) throw EPackageError("Can't load package " + fileName + ".\n" + LoaderError());
  HMODULE module = ModuleOfLoaderHandle(handle);
  if (module == 0) {
    dlclose(handle);
    throw EPackageError("Can't load package " + fileName + ".\nIts image cannot be located");
  }
  LoadedPackages()[module].push_back(handle);
  return module;
}

void UnloadPackage(HMODULE module) {
  auto found = LoadedPackages().find(module);
  if (found == LoadedPackages().end())
    throw EPackageError(
        Format("Invalid package handle %s", IntToHex(static_cast<int64_t>(module), 8)));
  void* handle = found->second.back();
  found->second.pop_back();
  if (found->second.empty()) LoadedPackages().erase(found);
  if (dlclose(handle) != 0) throw EPackageError("Can't unload package.\n" + LoaderError());
}
