// Component editors and their registrations, searched from the latest.

#include "platform/vcl/design_component_editor.h"

#include <algorithm>
#include <vector>

#include "platform/sysutils.h"
#include "platform/vcl/component.h"

namespace {

struct TComponentEditorRegistration {
  const TComponentClass* ComponentClass;
  TComponentEditorClass EditorClass;
};

// Never destroyed: a library's finalisation may unregister while the process exits.
std::vector<TComponentEditorRegistration>& Registrations() {
  static auto& registrations = *new std::vector<TComponentEditorRegistration>;
  return registrations;
}

}  // namespace

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(int index) {
  throw EListError("Verb index out of bounds (" + std::to_string(index) + ")");
}

std::string TComponentEditor::GetVerb(int index) const {
  throw EListError("Verb index out of bounds (" + std::to_string(index) + ")");
}

void RegisterComponentEditor(const TComponentClass& componentClass,
                             TComponentEditorClass editorClass) {
  Registrations().push_back({&componentClass, editorClass});
}

void UnregisterComponentEditor(TComponentEditorClass editorClass) {
  std::erase_if(Registrations(), [&](const TComponentEditorRegistration& registration) {
    return registration.EditorClass == editorClass;
  });
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent& component,
                                                     TFormDesigner& designer) {
  const auto& registrations = Registrations();
  const auto match = std::find_if(registrations.rbegin(), registrations.rend(),
                                  [&](const TComponentEditorRegistration& registration) {
                                    return component.InheritsFrom(*registration.ComponentClass);
                                  });
  if (match != registrations.rend()) return match->EditorClass(component, designer);
  return std::make_unique<TDefaultEditor>(component, designer);
}
