// The calling thread's identifier and the modules (the executable and its shared objects) loaded
// into the process. A module's handle is the address its image is mapped at.

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/windows.h"

namespace {

struct LoadedModule {
  HMODULE handle;
  std::string path;  // empty when the module has no file
};

std::string ExecutablePath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path));
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

// The start of a module's first mapped page, the address that dladdr reports as its base.
HMODULE MappedBase(const dl_phdr_info& info) {
  const auto pageMask = ~static_cast<ElfW(Addr)>(sysconf(_SC_PAGESIZE) - 1);
  ElfW(Addr) lowest = ~ElfW(Addr){0};
  for (ElfW(Half) i = 0; i < info.dlpi_phnum; ++i) {
    const ElfW(Phdr)& header = info.dlpi_phdr[i];
    if (header.p_type == PT_LOAD && (header.p_vaddr & pageMask) < lowest) {
      lowest = header.p_vaddr & pageMask;
    }
  }
  return static_cast<HMODULE>(info.dlpi_addr + lowest);
}

std::vector<LoadedModule> LoadedModules() {
  std::vector<LoadedModule> modules;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) {
        auto& list = *static_cast<std::vector<LoadedModule>*>(data);
        const bool executable = list.empty();  // the first object listed is the program itself
        list.push_back({MappedBase(*info), executable ? ExecutablePath() : info->dlpi_name});
        return 0;
      },
      &modules);
  return modules;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {
  }, second{};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

DWORD GetCurrentThreadId() {
  // Asked on every hook call and message: remembered per thread instead of a system call each time.
  thread_local const DWORD id = static_cast<DWORD>(gettid());
  return id;
}

HINSTANCE ModuleOfAddress(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || !info.dli_fbase) return 0;
  return reinterpret_cast<HINSTANCE>(info.dli_fbase);
}

DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  const std::vector<LoadedModule> modules = LoadedModules();
  for (const LoadedModule& loaded : modules) {
    if ((module == 0 && &loaded == &modules.front()) || loaded.handle == module) {
      if (loaded.path.empty()) break;
      const size_t count = std::min<size_t>(loaded.path.size(), size - 1);
      std::memcpy(buffer, loaded.path.data(), count);
      buffer[count] = '\0';
      return static_cast<DWORD>(count);
    }
  }
  buffer[0] = '\0';
  return 0;
}

// A name with a slash is a path, matched against each module's file (however it is spelt); a
// bare name matches a module's file name.
HMODULE GetModuleHandleA(const char* moduleName) {
  const std::vector<LoadedModule> modules = LoadedModules();
  if (!moduleName) return modules.empty() ? 0 : modules.front().handle;
  const std::string name(moduleName);
  const bool isPath = name.find('/') != std::string::npos;
  for (const LoadedModule& loaded : modules) {
    if (loaded.path.empty()) continue;
    if (isPath ? (loaded.path == name || SameFile(loaded.path, name))
               : FileNameOf(loaded.path) == name) {
      return loaded.handle;
    }
  }
  return 0;
}
