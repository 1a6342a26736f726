#pragma once
// Which editor the designer gives a property: the registrations of property editors by value type,
// component class and property name, and the editors of a selection's published properties.

#include <functional>
#include <memory>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "platform/vcl/design_property_editor.h"
#include "platform/vcl/published.h"

class TComponentClass;

// The class reference of a property editor: builds one for the property of the components.
using TPropertyEditorClass = std::unique_ptr<TPropertyEditor> (*)(
    TFormDesigner& designer, std::vector<TComponent*> components,
    const TPublishedProperty& property);

template <typename Editor>
std::unique_ptr<TPropertyEditor> PropertyEditorClass(TFormDesigner& designer,
                                                     std::vector<TComponent*> components,
                                                     const TPublishedProperty& property) {
  return std::make_unique<Editor>(designer, std::move(components), property);
}

// Gives `editorClass` to the properties whose declared value type is `propertyType` (the class
// itself for object-typed properties: typeid(TStrings)), of components of `componentClass` or a
// descendant (nullptr: any component), named `propertyName` (letter case ignored; empty: any
// name). Of several matching registrations the latest wins.
void RegisterPropertyEditor(const std::type_info& propertyType,
                            const TComponentClass* componentClass, std::string_view propertyName,
                            TPropertyEditorClass editorClass);
// Drops every registration of `editorClass`, as a library does when it is uninstalled.
void UnregisterPropertyEditor(TPropertyEditorClass editorClass);

// The editor the registry gives `property` of `components` (their first one decides the class):
// the latest matching registration, otherwise TClassProperty for object-typed properties and
// TPropertyEditor for the others.
std::unique_ptr<TPropertyEditor> GetPropertyEditor(TFormDesigner& designer,
                                                   std::vector<TComponent*> components,
                                                   const TPublishedProperty& property);

using TPropertyKinds = TSet<TPropertyKind>;
inline constexpr TPropertyKinds AllPropertyKinds = TPropertyKinds::FromBits(0xFFFFFFFFu);

// Calls `proc` with an editor for each published property of the components whose kind is in
// `filter`, in the class's property order. With several components, only the properties that
// every one of them has and whose editor allows paMultiSelect.
void GetComponentProperties(const std::vector<TComponent*>& components, TPropertyKinds filter,
                            TFormDesigner& designer,
                            const std::function<void(std::unique_ptr<TPropertyEditor>)>& proc);
