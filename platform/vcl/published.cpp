// The storage rule of published properties.

#include "platform/vcl/published.h"

#include "platform/classes.h"

bool IsPropertyStored(const TPublishedProperty& property, const TComponent& component) {
  if (property.Stored) return property.Stored(component);
  switch (property.Kind) {
    case TPropertyKind::String:
      return !property.GetStr(component).empty();
    case TPropertyKind::StringList:
      return property.GetStrings(component)->Count() > 0;
    case TPropertyKind::Component:
      return property.GetRef(component) != nullptr;
    default:
      return !property.Default || property.GetOrd(component) != *property.Default;
  }
}
