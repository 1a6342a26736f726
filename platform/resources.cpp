// The process's bitmap resources, kept by their names in capitals.

#include "platform/resources.h"

#include <map>
#include <memory>
#include <string>

#include "platform/sysutils.h"

namespace {

// Never destroyed: a library's finalisation may unregister its pictures while the process exits.
std::map<std::string, std::unique_ptr<const TBitmap>, std::less<>>& Resources() {
  static auto& resources = *new std::map<std::string, std::unique_ptr<const TBitmap>, std::less<>>;
  return resources;
}

}  // namespace

void RegisterBitmapResource(std::string_view name, TBitmap bitmap) {
  Resources()[UpperCase(name)] = std::make_unique<const TBitmap>(std::move(bitmap));
}

void UnregisterBitmapResource(std::string_view name) { Resources().erase(UpperCase(name)); }

const TBitmap* FindBitmapResource(std::string_view name) {
  const auto found = Resources().find(UpperCase(name));
  return found == Resources().end() ? nullptr : found->second.get();
}
