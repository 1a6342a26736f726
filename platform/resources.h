#pragma once
// Bitmap resources of the process: pictures a library makes available by name, as a module's
// resource section does, for the designer's palette and other lookups by name.

#include <string_view>

#include "platform/graphics.h"

// Adds the bitmap under `name`, or replaces the one of that name. Names ignore letter case.
void RegisterBitmapResource(std::string_view name, TBitmap bitmap);
void UnregisterBitmapResource(std::string_view name);
// The bitmap of that name (letter case ignored), or nullptr when there is none. The pointer stays
// valid until the name is unregistered or registered again.
const TBitmap* FindBitmapResource(std::string_view name);
