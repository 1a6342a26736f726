// Property editor registrations, searched from the latest so that a later library can replace
// an earlier one's editor.

#include "platform/vcl/design_property_registry.h"

#include <algorithm>
#include <string>

#include "platform/vcl/component.h"

namespace {

struct TPropertyEditorRegistration {
  const std::type_info* PropertyType;
  const TComponentClass* ComponentClass;
  std::string PropertyName;
  TPropertyEditorClass EditorClass;
};

// Never destroyed: a library's finalisation may unregister while the process exits.
std::vector<TPropertyEditorRegistration>& Registrations() {
  static auto& registrations = *new std::vector<TPropertyEditorRegistration>;
  return registrations;
}

bool Matches(const TPropertyEditorRegistration& registration, const TComponent& component,
             const TPublishedProperty& property) {
  return property.Type && *registration.PropertyType == *property.Type &&
         (!registration.ComponentClass || component.InheritsFrom(*registration.ComponentClass)) &&
         (registration.PropertyName.empty() || SameText(registration.PropertyName, property.Name));
}

}  // namespace

void RegisterPropertyEditor(const std::type_info& propertyType,
                            const TComponentClass* componentClass, std::string_view propertyName,
                            TPropertyEditorClass editorClass) {
  Registrations().push_back(
      {&propertyType, componentClass, std::string(propertyName), editorClass});
}

void UnregisterPropertyEditor(TPropertyEditorClass editorClass) {
  std::erase_if(Registrations(), [&](const TPropertyEditorRegistration& registration) {
    return registration.EditorClass == editorClass;
  });
}

std::unique_ptr<TPropertyEditor> GetPropertyEditor(TFormDesigner& designer,
                                                   std::vector<TComponent*> components,
                                                   const TPublishedProperty& property) {
  if (components.empty())
    throw EPropertyError("No component to edit property " + std::string(property.Name));
  const auto& registrations = Registrations();
  const auto match = std::find_if(registrations.rbegin(), registrations.rend(),
                                  [&](const TPropertyEditorRegistration& registration) {
                                    return Matches(registration, *components.front(), property);
                                  });
  if (match != registrations.rend())
    return match->EditorClass(designer, std::move(components), property);
  if (IsObjectProperty(property))
    return std::make_unique<TClassProperty>(designer, std::move(components), property);
  return std::make_unique<TPropertyEditor>(designer, std::move(components), property);
}

void GetComponentProperties(const std::vector<TComponent*>& components, TPropertyKinds filter,
                            TFormDesigner& designer,
                            const std::function<void(std::unique_ptr<TPropertyEditor>)>& proc) {
  if (components.empty()) return;
  for (const TPublishedProperty* property : components.front()->ClassType().Properties()) {
    if (!filter.Contains(property->Kind)) continue;
    // The same descriptor, declared by a common ancestor: its accessors fit every component.
    const bool shared =
        std::all_of(components.begin() + 1, components.end(), [&](const TComponent* other) {
          return other->ClassType().FindProperty(property->Name) == property;
        });
    if (!shared) continue;
    auto editor = GetPropertyEditor(designer, components, *property);
    if (components.size() > 1 && !editor->GetAttributes().Contains(paMultiSelect)) continue;
    proc(std::move(editor));
  }
}
