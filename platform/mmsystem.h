#pragma once
// The multimedia timer: milliseconds since the system started, wrapping at 32 bits.

#include <cstdint>
#include <optional>

uint32_t timeGetTime();
// Fixes what timeGetTime returns (tests); std::nullopt returns to the real clock.
void SetFixedTickCount(std::optional<uint32_t> value);
