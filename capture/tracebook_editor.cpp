// The component editor of TKDTracebook: finds the editor the designer gives its LogEvents
// property and runs that editor's dialog.

#include "capture/tracebook_editor.h"

#include "capture/log_events_property.h"
#include "platform/vcl/design_designer.h"
#include "platform/vcl/design_property_registry.h"

void TTracebookEditor::Edit() {
  GetComponentProperties({&Component()}, AllPropertyKinds, Designer(),
                         [this](std::unique_ptr<TPropertyEditor> editor) {
                           auto* logEvents = dynamic_cast<TKDLogEventsProperty*>(editor.get());
                           if (!logEvents) return;
                           logEvents->Edit();
                           Designer().Modified();
                         });
}

void TTracebookEditor::ExecuteVerb(int) { Edit(); }

std::string TTracebookEditor::GetVerb(int) const { return "Edit &Log Events"; }
