// The common-controls library version this platform offers.

#include "platform/win32/commctrl.h"

// The simulated controls behave as those of version 6.0: tool buttons drop down from their arrow,
// list views report state changes per item.
DWORD GetComCtlVersion() { return 0x00060000; }
