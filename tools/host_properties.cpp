// Script values converted to published property values.

#include "tools/host_properties.h"

#include "platform/classes.h"
#include "platform/vcl/component.h"

namespace {

int64_t IdentifierOrdinal(const TPublishedProperty& property, std::string_view value) {
  for (size_t i = 0; i < property.ValueNames.size(); ++i)
    if (SameText(property.ValueNames[i], value)) return static_cast<int64_t>(i);
  throw Exception(Format("Invalid value %s for property %s", std::string(value), property.Name));
}

int64_t SetBits(const TPublishedProperty& property, const std::string& value) {
  if (value.size() < 2 || value.front() != '[' || value.back() != ']')
    throw Exception(Format("A set in brackets expected for property %s", property.Name));
  int64_t bits = 0;
  std::string_view items = std::string_view(value).substr(1, value.size() - 2);
  while (!items.empty()) {
    const size_t comma = items.find(',');
    std::string item = Trim(std::string(items.substr(0, comma)));
    if (!item.empty()) bits |= int64_t{1} << IdentifierOrdinal(property, item);
    items.remove_prefix(comma == std::string_view::npos ? items.size() : comma + 1);
  }
  return bits;
}

int64_t OrdinalValue(const TPublishedProperty& property, const std::string& value) {
  switch (property.Kind) {
    case TPropertyKind::Integer:
      return StrToInt(value);
    case TPropertyKind::Char:
      if (value.size() != 1)
        throw Exception(Format("One character expected for property %s", property.Name));
      return static_cast<unsigned char>(value[0]);
    case TPropertyKind::Set:
      return SetBits(property, value);
    default:
      return IdentifierOrdinal(property, value);
  }
}

}  // namespace

std::function<void()> PrepareAssignment(TComponent& component, const std::string& propertyName,
                                        const std::string& value, const TComponentLookup& lookup) {
  const TPublishedProperty* found = component.ClassType().FindProperty(propertyName);
  if (!found)
    throw Exception(Format("Unknown property %s of %s", propertyName, component.ClassName()));
  const TPublishedProperty& property = *found;
  TComponent* target = &component;
  switch (property.Kind) {
    case TPropertyKind::String:
      return [&property, target, value] { property.SetStr(*target, value); };
    case TPropertyKind::StringList:
      return [&property, target, value] { property.GetStrings(*target)->SetText(value); };
    case TPropertyKind::TextLines: {
      TStringList lines;
      lines.SetText(value);
      std::vector<std::string> split;
      for (int i = 0; i < lines.Count(); ++i) split.push_back(lines.Get(i));
      return [&property, target, split] { property.SetLines(*target, split); };
    }
    case TPropertyKind::Collection:
      throw Exception(
          Format("Property %s is a collection, which a script cannot set", property.Name));
    case TPropertyKind::Component: {
      TComponent* reference = SameText(value, "nil") ? nullptr : &lookup(value);
      return [&property, target, reference] {
        if (!property.SetRef(*target, reference))
          throw Exception(ReferenceMismatch(property, *reference));
      };
    }
    default: {
      const int64_t ordinal = OrdinalValue(property, value);
      return [&property, target, ordinal] { property.SetOrd(*target, ordinal); };
    }
  }
}
