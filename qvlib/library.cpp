// Library load and unload: the one place that knows every unit of qvlib, so that the units
// initialise in their order when the library is loaded and finalise in the reverse order when it
// is unloaded, whatever order the linker chose for their files.
//
// Load: naming utilities, record model, the capture families (standard controls, common controls,
// window and mouse, additional controls, outline), engine, component, design time. Unload: the
// reverse.

#include "capture/design_registration.h"
#include "capture/engine.h"
#include "capture/tracebook_component.h"
#include "families/additional_family.h"
#include "families/api_family.h"
#include "families/qv_utils.h"
#include "families/std_family.h"
#include "families/win31_family.h"
#include "families/win32_family.h"
#include "log/log_lifecycle.h"
#include "platform/vcl/additional_controls.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/stdctrls.h"

namespace {

__attribute__((constructor)) void LoadLibrary() {
  RegisterStandardControls();  // the framework's classes, so that form files can name them
  RegisterCommonControls();
  RegisterAdditionalControls();
  InitializeQVUtils();
  InitializeRecordModel();
  RegisterStandardFamily();
  RegisterWin32Family();
  RegisterAPIFamily();
  RegisterAdditionalFamily();
  RegisterWin31Family();
  InitializeEngine();
  RegisterTracebookComponent();
  QVReg::Register();
}

__attribute__((destructor)) void UnloadLibrary() {
  QVReg::Unregister();
  UnregisterTracebookComponent();
  FinalizeEngine();
  UnregisterWin31Family();
  UnregisterAdditionalFamily();
  UnregisterAPIFamily();
  UnregisterWin32Family();
  UnregisterStandardFamily();
  FinalizeRecordModel();
  FinalizeQVUtils();
}

}  // namespace
