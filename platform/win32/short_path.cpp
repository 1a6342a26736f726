// GetShortPathNameA: this file system has no 8.3 names, so the short form of an existing file is
// its absolute, canonical path.

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/win32/windows.h"

DWORD GetShortPathNameA(const char* longPath, char* shortPath, DWORD bufferLength) {
  if (!longPath || !*longPath) return 0;
  std::error_code error;
  const std::string path = std::filesystem::canonical(longPath, error).string();
  if (error) return 0;
  if (!shortPath || path.size() >= bufferLength) return static_cast<DWORD>(path.size() + 1);
  std::memcpy(shortPath, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}
