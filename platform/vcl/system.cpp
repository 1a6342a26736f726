// The runtime's root class, console flag, exception procedure and unhandled-exception report.

#include "platform/vcl/system.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>

#include "platform/sysutils.h"

namespace {

bool gIsConsole = false;
TExceptProc gExceptProc = nullptr;

struct TCodeLocation {
  std::string ModuleName;
  uint32_t Offset;
};

// The module holding `address` and the address's offset in it, so that it fits eight digits.
TCodeLocation LocateAddress(uintptr_t address) {
  Dl_info info{};
  if (address != 0 && dladdr(reinterpret_cast<void*>(address), &info) != 0 && info.dli_fname) {
    auto base = reinterpret_cast<uintptr_t>(info.dli_fbase);
    return {ExtractFileName(info.dli_fname), static_cast<uint32_t>(address - base)};
  }
  return {ExtractFileName(ExecutableFileName()), static_cast<uint32_t>(address)};
}

}  // namespace

TObject::~TObject() = default;

std::string ExecutableFileName() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

bool IsConsole() { return gIsConsole; }
void SetIsConsole(bool value) { gIsConsole = value; }

TExceptProc ExceptProc() { return gExceptProc; }
void SetExceptProc(TExceptProc proc) { gExceptProc = proc; }

std::string ExceptionClassName(const std::exception& e) {
  if (auto* framework = dynamic_cast<const Exception*>(&e)) return framework->ClassName();
  const char* mangled = typeid(e).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : mangled;
  std::free(demangled);
  return name;
}

std::string ExceptionDisplayText(const std::exception& e) {
  std::string text = e.what();
  if (!text.empty() && std::string_view(".!?").find(text.back()) == std::string_view::npos)
    text += '.';
  return text;
}

void HandleUnhandledException(const std::exception& e, uintptr_t address) {
  if (gExceptProc) {
    gExceptProc(e, address);
  } else {
    ShowUnhandledException(e, address);
  }
}

void ShowUnhandledException(const std::exception& e, uintptr_t address) {
  TCodeLocation location = LocateAddress(address);
  std::string report =
      Format("Exception %s in module %s at %p.\n%s\n", ExceptionClassName(e), location.ModuleName,
             TFormatPointer{location.Offset}, ExceptionDisplayText(e));
  std::fputs(report.c_str(), stderr);
}
