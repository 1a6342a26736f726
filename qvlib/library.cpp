// Library load and unload: the one place that knows every unit of qvlib, so that the units
// initialise in their order when the library is loaded and finalise in the reverse order when it
// is unloaded, whatever order the linker chose for their files.

#include "capture/engine.h"
#include "capture/tracebook_component.h"
#include "log/log_lifecycle.h"

namespace {

__attribute__((constructor)) void LoadLibrary() {
  InitializeRecordModel();
  InitializeEngine();
  RegisterTracebookComponent();
}

__attribute__((destructor)) void UnloadLibrary() {
  UnregisterTracebookComponent();
  FinalizeEngine();
  FinalizeRecordModel();
}

}  // namespace
