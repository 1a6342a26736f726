// Property editors: the value of a published property as text, and back.

#include "platform/vcl/design_property_editor.h"

#include <cxxabi.h>

#include <charconv>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/classes.h"
#include "platform/vcl/component.h"
#include "platform/vcl/design_designer.h"

namespace {

bool HasSetter(const TPublishedProperty& property) {
  if (IsObjectProperty(property)) return false;
  if (property.Kind == TPropertyKind::String) return property.SetStr != nullptr;
  if (property.Kind == TPropertyKind::Component) return property.SetRef != nullptr;
  return property.SetOrd != nullptr;
}

EPropertyError InvalidValue(const std::string& text) {
  return EPropertyError("Invalid property value '" + text + "'");
}

// The values the property's integer type holds, so that a setter's conversion never truncates.
std::pair<int64_t, int64_t> IntegerRange(const TPublishedProperty& property) {
  const auto range = [](auto type) {
    using T = decltype(type);
    return std::pair<int64_t, int64_t>(
        std::numeric_limits<T>::min(),
        std::min<uint64_t>(std::numeric_limits<T>::max(), std::numeric_limits<int64_t>::max()));
  };
  const std::type_info* type = property.Type;
  if (!type || *type == typeid(int64_t) || *type == typeid(uint64_t)) return range(int64_t{});
  if (*type == typeid(int8_t)) return range(int8_t{});
  if (*type == typeid(uint8_t)) return range(uint8_t{});
  if (*type == typeid(int16_t)) return range(int16_t{});
  if (*type == typeid(uint16_t)) return range(uint16_t{});
  if (*type == typeid(uint32_t)) return range(uint32_t{});
  return range(int32_t{});
}

int64_t ParseInteger(const TPublishedProperty& property, const std::string& text) {
  const std::string digits = Trim(text);
  int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
    throw EPropertyError("'" + text + "' is not a valid integer value");
  const auto [low, high] = IntegerRange(property);
  if (value < low || value > high)
    throw EPropertyError("Value must be between " + IntToStr(low) + " and " + IntToStr(high));
  return value;
}

// A printable character as itself, any other as "#" and its code ("#0", "#9").
std::string CharText(unsigned char c) {
  return c > ' ' && c < 127 ? std::string(1, static_cast<char>(c)) : "#" + IntToStr(c);
}

int64_t ParseChar(const std::string& text) {
  if (text.size() == 1) return static_cast<unsigned char>(text[0]);
  if (text.size() > 1 && text[0] == '#') {
    int code = -1;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), code);
    if (error == std::errc() && end == text.data() + text.size() && code >= 0 && code <= 255)
      return code;
  }
  throw InvalidValue(text);
}

int64_t IdentOrdinal(const TPublishedProperty& property, const std::string& ident) {
  if (const std::optional<int64_t> ordinal = FindValueName(property, ident)) return *ordinal;
  throw InvalidValue(ident);
}

std::string SetText(const TPublishedProperty& property, int64_t bits) {
  std::string text = "[";
  for (size_t i = 0; i < property.ValueNames.size(); ++i) {
    if ((bits & (int64_t{1} << i)) == 0) continue;
    if (text.size() > 1) text += ',';
    text += property.ValueNames[i];
  }
  return text + "]";
}

int64_t ParseSet(const TPublishedProperty& property, const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
    throw InvalidValue(text);
  const std::string_view items = std::string_view(trimmed).substr(1, trimmed.size() - 2);
  int64_t bits = 0;
  if (Trim(items).empty()) return bits;
  size_t start = 0;
  while (start <= items.size()) {
    const size_t comma = std::min(items.find(',', start), items.size());
    bits |= int64_t{1} << IdentOrdinal(property, Trim(items.substr(start, comma - start)));
    start = comma + 1;
  }
  return bits;
}

}  // namespace

bool IsObjectProperty(const TPublishedProperty& property) {
  return property.Kind == TPropertyKind::StringList || property.Kind == TPropertyKind::Collection ||
         property.Kind == TPropertyKind::TextLines;
}

std::string PropertyTypeName(const TPublishedProperty& property) {
  if (!property.Type) return {};
  int status = 0;
  char* demangled = abi::__cxa_demangle(property.Type->name(), nullptr, nullptr, &status);
  std::string name = status == 0 ? demangled : property.Type->name();
  std::free(demangled);
  return name;
}

TPropertyEditor::TPropertyEditor(TFormDesigner& designer, std::vector<TComponent*> components,
                                 const TPublishedProperty& property)
    : FDesigner(designer), FComponents(std::move(components)), FProperty(property) {
  if (FComponents.empty())
    throw EPropertyError("No component to edit property " + std::string(property.Name));
}

TPropertyAttributes TPropertyEditor::GetAttributes() const {
  TPropertyAttributes attributes{paMultiSelect, paRevertable};
  if (FProperty.Kind == TPropertyKind::Enumeration || FProperty.Kind == TPropertyKind::Boolean)
    attributes.Include(paValueList).Include(paSortList);
  return attributes;
}

TComponent* TPropertyEditor::GetComponent(int index) const {
  if (index < 0 || index >= PropCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FComponents[static_cast<size_t>(index)];
}

std::string TPropertyEditor::GetValue() const {
  const TComponent& component = *FComponents.front();
  if (IsObjectProperty(FProperty)) return "(" + PropertyTypeName(FProperty) + ")";
  switch (FProperty.Kind) {
    case TPropertyKind::String:
      return FProperty.GetStr(component);
    case TPropertyKind::Component: {
      const TComponent* target = FProperty.GetRef(component);
      return target ? target->Name() : std::string();
    }
    case TPropertyKind::Char:
      return CharText(static_cast<unsigned char>(FProperty.GetOrd(component)));
    case TPropertyKind::Set:
      return SetText(FProperty, FProperty.GetOrd(component));
    case TPropertyKind::Boolean:
    case TPropertyKind::Enumeration: {
      const int64_t ordinal = FProperty.GetOrd(component);
      if (ordinal >= 0 && static_cast<size_t>(ordinal) < FProperty.ValueNames.size())
        return std::string(FProperty.ValueNames[static_cast<size_t>(ordinal)]);
      return IntToStr(ordinal);
    }
    default:
      return IntToStr(FProperty.GetOrd(component));
  }
}

void TPropertyEditor::SetValue(const std::string& value) {
  if (!HasSetter(FProperty)) throw EPropertyError("Property " + GetName() + " is read-only");
  switch (FProperty.Kind) {
    case TPropertyKind::String:
      for (TComponent* component : FComponents) FProperty.SetStr(*component, value);
      break;
    case TPropertyKind::Component: {
      TComponent* target = nullptr;
      if (!Trim(value).empty()) {
        const TComponent* form = FDesigner.Form();
        target = form ? form->FindComponent(Trim(value)) : nullptr;
        if (!target) throw InvalidValue(value);
        if (!target->InheritsFrom(FProperty.ReferenceClass()))
          throw EPropertyError(ReferenceMismatch(FProperty, *target));
      }
      for (TComponent* component : FComponents) FProperty.SetRef(*component, target);
      break;
    }
    default: {
      int64_t ordinal = 0;
      if (FProperty.Kind == TPropertyKind::Char) {
        ordinal = ParseChar(value);
      } else if (FProperty.Kind == TPropertyKind::Set) {
        ordinal = ParseSet(FProperty, value);
      } else if (FProperty.Kind == TPropertyKind::Integer) {
        ordinal = ParseInteger(FProperty, value);
      } else {
        ordinal = IdentOrdinal(FProperty, Trim(value));
      }
      for (TComponent* component : FComponents) FProperty.SetOrd(*component, ordinal);
    }
  }
  Modified();
}

std::vector<std::string> TPropertyEditor::GetValues() const {
  if (FProperty.Kind != TPropertyKind::Enumeration && FProperty.Kind != TPropertyKind::Boolean)
    return {};
  return {FProperty.ValueNames.begin(), FProperty.ValueNames.end()};
}

void TPropertyEditor::Modified() { FDesigner.Modified(); }

TPropertyAttributes TClassProperty::GetAttributes() const {
  return {paMultiSelect, paSubProperties, paReadOnly};
}

TStrings* TClassProperty::GetStringsValue() const {
  if (Property().Kind != TPropertyKind::StringList) return nullptr;
  return Property().GetStrings(*GetComponent(0));
}

void TClassProperty::SetStringsValue(const TStrings& value) {
  const TPublishedProperty& property = Property();
  if (property.Kind != TPropertyKind::StringList)
    throw EPropertyError("Property " + GetName() + " holds no string list");
  for (int i = 0; i < PropCount(); ++i) {
    TComponent& component = *GetComponent(i);
    if (property.SetStrings)
      property.SetStrings(component, value);
    else
      property.GetStrings(component)->Assign(value);
  }
  Modified();
}
