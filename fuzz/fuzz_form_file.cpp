// Reading form files of arbitrary text with every control class of the platform and the log
// component known, as a designer loads them (so that no log starts), and writing what was read
// back out.

#include <cstdint>
#include <exception>
#include <string_view>

#include "platform/vcl/component.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/forms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    auto roots = ReadComponentsText(text, "fuzz", [](TComponent& component) {
      if (!component.GetParentComponent() && !component.Owner()) component.SetDesigning(true);
    });
    for (const auto& root : roots) WriteComponentText(*root);
  } catch (const std::exception&) {
    // A malformed form file is refused with an error.
  }
  DoneApplication();
  return 0;
}
