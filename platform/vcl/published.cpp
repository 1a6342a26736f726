// The storage rule of published properties.

#include "platform/vcl/published.h"

#include "platform/classes.h"
#include "platform/sysutils.h"
#include "platform/vcl/collection.h"
#include "platform/vcl/component.h"

std::optional<int64_t> FindValueName(const TPublishedProperty& property, std::string_view name) {
  for (size_t i = 0; i < property.ValueNames.size(); ++i)
    if (SameText(property.ValueNames[i], name)) return static_cast<int64_t>(i);
  return std::nullopt;
}

bool IsPropertyStored(const TPublishedProperty& property, const TComponent& component) {
  if (property.Stored) return property.Stored(component);
  switch (property.Kind) {
    case TPropertyKind::String:
      return !property.GetStr(component).empty();
    case TPropertyKind::StringList:
      return property.GetStrings(component)->Count() > 0;
    case TPropertyKind::Collection:
      return property.GetCollection(component)->Count() > 0;
    case TPropertyKind::TextLines:
      return !property.GetLines(component).empty();
    case TPropertyKind::Component:
      return property.GetRef(component) != nullptr;
    default:
      return !property.Default || property.GetOrd(component) != *property.Default;
  }
}

std::string ReferenceMismatch(const TPublishedProperty& property, const TComponent& value) {
  return Format("Property %s needs a %s, and %s is a %s", property.Name,
                property.ReferenceClass().ClassName(), value.Name(), value.ClassName());
}
