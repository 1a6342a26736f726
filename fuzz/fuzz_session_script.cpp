// Parsing session scripts of arbitrary text: a line is a command or an error naming the line.

#include <cstdint>
#include <exception>
#include <string_view>

#include "tools/host_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    ParseScript(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
  } catch (const std::exception&) {
    // A malformed script is refused with an error.
  }
  return 0;
}
