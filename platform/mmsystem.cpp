// The multimedia timer on the system's boot-time clock.

#include "platform/mmsystem.h"

#include <time.h>

namespace {

std::optional<uint32_t> gFixedTickCount;

}  // namespace

uint32_t timeGetTime() {
  if (gFixedTickCount) return *gFixedTickCount;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const uint64_t msecs = static_cast<uint64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  return static_cast<uint32_t>(msecs);  // wraps like the 32-bit original
}

void SetFixedTickCount(std::optional<uint32_t> value) { gFixedTickCount = value; }
