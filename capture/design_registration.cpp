// Registration of the component, its editors, its palette image and the library's description
// with the designer.

#include "capture/design_registration.h"

#include <typeinfo>

#include "capture/log_event_strings.h"
#include "capture/log_events_property.h"
#include "capture/palette_image.h"
#include "capture/tracebook_component.h"
#include "capture/tracebook_editor.h"
#include "platform/resources.h"
#include "platform/vcl/design_component_editor.h"
#include "platform/vcl/design_palette.h"
#include "platform/vcl/design_property_registry.h"

namespace {

constexpr char kPalettePage[] = "Morvale";
constexpr char kPaletteImageName[] = "TKDTRACEBOOK";
constexpr char kDescription[] = "Tracebook Component";

}  // namespace

namespace QVReg {

void Register() {
  RegisterBitmapResource(kPaletteImageName, TracebookPaletteImage());
  RegisterLibraryDescription(kDescription);
  RegisterComponents(kPalettePage, {&TKDTracebook::StaticClass()});
  RegisterPropertyEditor(typeid(TKDLogEventStrings), &TKDTracebook::StaticClass(), "",
                         PropertyEditorClass<TKDLogEventsProperty>);
  RegisterComponentEditor(TKDTracebook::StaticClass(), ComponentEditorClass<TTracebookEditor>);
}

void Unregister() {
  UnregisterComponentEditor(ComponentEditorClass<TTracebookEditor>);
  UnregisterPropertyEditor(PropertyEditorClass<TKDLogEventsProperty>);
  UnregisterComponents({&TKDTracebook::StaticClass()});
  UnregisterLibraryDescription(kDescription);
  UnregisterBitmapResource(kPaletteImageName);
}

}  // namespace QVReg
