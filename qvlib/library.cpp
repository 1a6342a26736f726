// Library load and unload: the one place that knows every unit of qvlib, so that the units
// initialise in their order when the library is loaded and finalise in the reverse order when it
// is unloaded, whatever order the linker chose for their files.

#include "capture/engine.h"
#include "log/log_lifecycle.h"

namespace {

__attribute__((constructor)) void LoadLibrary() {
  InitializeRecordModel();
  InitializeEngine();
}

__attribute__((destructor)) void UnloadLibrary() {
  FinalizeEngine();
  FinalizeRecordModel();
}

}  // namespace
