#pragma once
// Published properties of record classes: name, kind and accessors, declared once per class next to
// its fields. The log machinery writes, reads and lists a record only through these descriptors.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

class TLogEvent;

// Kind codes as they are stored in the log.
enum TTypeKind : uint8_t {
  tkInteger = 1,
  tkChar = 2,
  tkEnumeration = 3,
  tkFloat = 4,
  tkString = 5,
  tkLString = 10,
};

bool IsOrdinalKind(uint8_t kind);
bool IsStringKind(uint8_t kind);
// Whether `stored` (a kind code read from a log) carries a value a property of `kind` can take.
bool KindsCompatible(uint8_t stored, TTypeKind kind);

struct TPropInfo {
  std::string_view Name = {};
  TTypeKind Kind = tkInteger;
  std::span<const std::string_view> EnumNames = {};  // tkEnumeration: value names in ordinal order

  // Accessors of the property's kind; a missing one leaves the property out of the log.
  int32_t (*GetOrd)(const TLogEvent&) = nullptr;
  void (*SetOrd)(TLogEvent&, int32_t) = nullptr;
  double (*GetFloat)(const TLogEvent&) = nullptr;
  void (*SetFloat)(TLogEvent&, double) = nullptr;
  std::string (*GetStr)(const TLogEvent&) = nullptr;
  void (*SetStr)(TLogEvent&, std::string) = nullptr;

  bool HasGetter() const { return GetOrd || GetFloat || GetStr; }
  bool HasSetter() const { return SetOrd || SetFloat || SetStr; }
  // Only properties with both accessors are written, read back and listed.
  bool IsStreamed() const { return HasGetter() && HasSetter(); }
};

inline constexpr std::string_view BooleanNames[] = {"False", "True"};

namespace property_detail {

template <typename>
struct MemberOf;
template <typename C, typename T>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

template <auto Field>
using FieldClass = typename MemberOf<decltype(Field)>::Class;
template <auto Field>
using FieldType = typename MemberOf<decltype(Field)>::Type;

template <typename T>
constexpr TTypeKind KindOf() {
  if constexpr (std::is_same_v<T, bool>)
    return tkEnumeration;
  else if constexpr (std::is_same_v<T, char>)
    return tkChar;
  else if constexpr (std::is_integral_v<T>)
    return tkInteger;
  else if constexpr (std::is_enum_v<T>)
    return tkEnumeration;
  else if constexpr (std::is_floating_point_v<T>)
    return tkFloat;
  else if constexpr (std::is_same_v<T, std::string>)
    return tkLString;
}

}  // namespace property_detail

// A property backed by a field of a record class, with getter and setter. The kind follows the
// field's type: integers 1, char 2, bool and enums 3, double 4, std::string 10.
template <auto Field>
constexpr TPropInfo FieldProperty(std::string_view name,
                                  std::span<const std::string_view> enumNames = {}) {
  using C = property_detail::FieldClass<Field>;
  using T = property_detail::FieldType<Field>;
  constexpr TTypeKind kind = property_detail::KindOf<T>();
  TPropInfo info{name, kind, enumNames};
  if constexpr (kind == tkFloat) {
    info.GetFloat = [](const TLogEvent& e) {
      return static_cast<double>(static_cast<const C&>(e).*Field);
    };
    info.SetFloat = [](TLogEvent& e, double v) { static_cast<C&>(e).*Field = static_cast<T>(v); };
  } else if constexpr (kind == tkLString) {
    info.GetStr = [](const TLogEvent& e) { return static_cast<const C&>(e).*Field; };
    info.SetStr = [](TLogEvent& e, std::string v) { static_cast<C&>(e).*Field = std::move(v); };
  } else {
    if constexpr (std::is_same_v<T, bool>) {
      if (enumNames.empty()) info.EnumNames = BooleanNames;
    }
    info.GetOrd = [](const TLogEvent& e) {
      return static_cast<int32_t>(static_cast<const C&>(e).*Field);
    };
    info.SetOrd = [](TLogEvent& e, int32_t v) {
      if constexpr (std::is_same_v<T, bool>)
        static_cast<C&>(e).*Field = v != 0;
      else
        static_cast<C&>(e).*Field = static_cast<T>(v);
    };
  }
  return info;
}

// A std::string field stored as a short string (kind 5).
template <auto Field>
constexpr TPropInfo ShortStringProperty(std::string_view name) {
  TPropInfo info = FieldProperty<Field>(name);
  info.Kind = tkString;
  return info;
}
