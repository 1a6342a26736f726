// Returning the windowing core to a clean desktop between tests.

#include "platform/win32/core_internal.h"
#include "platform/win32/window_table.h"

void ResetWindowingForTests() {
  wincore::ResetHooks();  // first, so that nothing watches the rest
  wincore::ResetWindowTable();
  wincore::ResetThreadStates();
  wincore::ResetInputState();
}
