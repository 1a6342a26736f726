#pragma once
// Published properties of component classes: name, kind, accessors, default value and storage
// rule, declared once per class next to its members. Form files are read and written only through
// these descriptors.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/vcl/sets.h"

class TCollection;
class TComponent;
class TComponentClass;
class TStrings;

enum class TPropertyKind {
  Integer,
  Boolean,
  Enumeration,
  Char,
  String,
  StringList,
  Component,
  Set,
  // A list of items of one class, each with properties of its own: `Name = < item ... end >`.
  Collection,
  // Lines of text that are not a string list object (a tree's nodes, one indented line each):
  // `Name = ('a' ' b')`, taken and given all at once.
  TextLines
};

// A storage rule of its own: whether the property's value belongs in the form file.
using TStoredFunc = bool (*)(const TComponent&);

struct TPublishedProperty {
  std::string_view Name = {};
  TPropertyKind Kind = TPropertyKind::Integer;
  // Enumeration and set element identifiers in ordinal order; False and True for Booleans.
  std::span<const std::string_view> ValueNames = {};
  // Ordinal kinds: a value equal to the default is not stored; without one, the value always is.
  std::optional<int64_t> Default = {};
  TStoredFunc Stored = nullptr;  // replaces the kind's usual rule when present
  // A form file sets it once the object's other properties are read: an index into a list that
  // the file may give after it.
  bool AfterLists = false;

  // Integer, Boolean, Enumeration, Char and Set (as the set's bits).
  int64_t (*GetOrd)(const TComponent&) = nullptr;
  void (*SetOrd)(TComponent&, int64_t) = nullptr;
  std::string (*GetStr)(const TComponent&) = nullptr;
  void (*SetStr)(TComponent&, const std::string&) = nullptr;
  // The list object itself; a form file fills it in place.
  TStrings* (*GetStrings)(const TComponent&) = nullptr;
  // Replaces the list through the class's own setter, so that the class can act on the new lines;
  // nullptr when the class has none and the list is only filled in place.
  void (*SetStrings)(TComponent&, const TStrings&) = nullptr;
  TComponent* (*GetRef)(const TComponent&) = nullptr;
  // Answers false, changing nothing, when the component is not of the class the property takes.
  bool (*SetRef)(TComponent&, TComponent*) = nullptr;
  // The class a reference must be or descend from.
  const TComponentClass& (*ReferenceClass)() = nullptr;
  // The collection object itself; a form file fills it in place.
  TCollection* (*GetCollection)(const TComponent&) = nullptr;
  std::vector<std::string> (*GetLines)(const TComponent&) = nullptr;
  // May refuse a line with ELineError.
  void (*SetLines)(TComponent&, const std::vector<std::string>&) = nullptr;
  // The declared type of the value (the class itself for string lists, collections and
  // references), by which the designer chooses the property's editor.
  const std::type_info* Type = nullptr;
};

// Why `value` cannot be assigned to the reference property: the property, the class it needs and
// the class `value` is.
std::string ReferenceMismatch(const TPublishedProperty& property, const TComponent& value);

// Whether the property of `component` is written to a form file: its own rule when it has one;
// otherwise ordinal values that differ from the default (or have none), non-empty strings, string
// lists, collections and lines, and assigned references.
// The ordinal of a value name of an enumeration, Boolean or set property, letter case ignored.
std::optional<int64_t> FindValueName(const TPublishedProperty& property, std::string_view name);

bool IsPropertyStored(const TPublishedProperty& property, const TComponent& component);

// Storage rule of properties that are never written.
inline bool NeverStored(const TComponent&) { return false; }

inline constexpr std::string_view BooleanIdents[] = {"False", "True"};

struct TPropertyOptions {
  std::span<const std::string_view> ValueNames = {};
  std::optional<int64_t> Default = {};
  TStoredFunc Stored = nullptr;
  bool AfterLists = false;
};

namespace published_detail {

template <typename>
struct GetterTraits;
template <typename C, typename R>
struct GetterTraits<R (C::*)() const> {
  using Class = C;
  using Value = std::remove_cvref_t<R>;
};

template <typename>
struct IsSet : std::false_type {};
template <typename E>
struct IsSet<TSet<E>> : std::true_type {};

template <typename T>
constexpr TPropertyKind KindOf() {
  if constexpr (std::is_same_v<T, bool>)
    return TPropertyKind::Boolean;
  else if constexpr (std::is_same_v<T, char>)
    return TPropertyKind::Char;
  else if constexpr (std::is_same_v<T, std::string>)
    return TPropertyKind::String;
  else if constexpr (IsSet<T>::value)
    return TPropertyKind::Set;
  else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
    return std::is_enum_v<T> ? TPropertyKind::Enumeration : TPropertyKind::Integer;
  else if constexpr (std::is_same_v<T, std::vector<std::string>>)
    return TPropertyKind::TextLines;
  else if constexpr (std::is_pointer_v<T> && std::is_base_of_v<TStrings, std::remove_pointer_t<T>>)
    return TPropertyKind::StringList;
  else if constexpr (std::is_pointer_v<T> &&
                     std::is_base_of_v<TCollection, std::remove_pointer_t<T>>)
    return TPropertyKind::Collection;
  else
    return TPropertyKind::Component;
}

}  // namespace published_detail

// A property read through the const member function `Get` and written through `Set`; the kind
// follows Get's type: bool, char, integers, enumerations, std::string, TSet<E>, a pointer to a
// component class (a reference), a pointer to a string list (filled in place; a setter taking
// const TStrings& is optional) or a collection (no setter: filled in place), or
// std::vector<std::string> (lines).
template <auto Get, auto Set = nullptr>
constexpr TPublishedProperty Published(std::string_view name, TPropertyOptions options = {}) {
  using C = typename published_detail::GetterTraits<decltype(Get)>::Class;
  using T = typename published_detail::GetterTraits<decltype(Get)>::Value;
  constexpr TPropertyKind kind = published_detail::KindOf<T>();
  TPublishedProperty info{
      name, kind, options.ValueNames, options.Default, options.Stored, options.AfterLists};
  info.Type = &typeid(std::remove_pointer_t<T>);
  if constexpr (kind == TPropertyKind::String) {
    info.GetStr = [](const TComponent& c) -> std::string {
      return (static_cast<const C&>(c).*Get)();
    };
    info.SetStr = [](TComponent& c, const std::string& v) { (static_cast<C&>(c).*Set)(v); };
  } else if constexpr (kind == TPropertyKind::StringList) {
    info.GetStrings = [](const TComponent& c) -> TStrings* {
      return (static_cast<const C&>(c).*Get)();
    };
    if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>) {
      info.SetStrings = [](TComponent& c, const TStrings& v) { (static_cast<C&>(c).*Set)(v); };
    }
  } else if constexpr (kind == TPropertyKind::Collection) {
    static_assert(std::is_same_v<decltype(Set), std::nullptr_t>, "collections are filled in place");
    info.GetCollection = [](const TComponent& c) -> TCollection* {
      return (static_cast<const C&>(c).*Get)();
    };
  } else if constexpr (kind == TPropertyKind::TextLines) {
    info.GetLines = [](const TComponent& c) -> std::vector<std::string> {
      return (static_cast<const C&>(c).*Get)();
    };
    info.SetLines = [](TComponent& c, const std::vector<std::string>& v) {
      (static_cast<C&>(c).*Set)(v);
    };
  } else if constexpr (kind == TPropertyKind::Component) {
    using Target = std::remove_pointer_t<T>;
    info.GetRef = [](const TComponent& c) -> TComponent* {
      return (static_cast<const C&>(c).*Get)();
    };
    info.SetRef = [](TComponent& c, TComponent* value) {
      auto* typed = dynamic_cast<Target*>(value);
      if (value && !typed) return false;
      (static_cast<C&>(c).*Set)(typed);
      return true;
    };
    info.ReferenceClass = &Target::StaticClass;
  } else if constexpr (kind == TPropertyKind::Set) {
    info.GetOrd = [](const TComponent& c) -> int64_t {
      return (static_cast<const C&>(c).*Get)().Bits();
    };
    info.SetOrd = [](TComponent& c, int64_t v) {
      (static_cast<C&>(c).*Set)(T::FromBits(static_cast<uint32_t>(v)));
    };
  } else {
    if constexpr (kind == TPropertyKind::Boolean) info.ValueNames = BooleanIdents;
    info.GetOrd = [](const TComponent& c) {
      return static_cast<int64_t>((static_cast<const C&>(c).*Get)());
    };
    info.SetOrd = [](TComponent& c, int64_t v) {
      if constexpr (kind == TPropertyKind::Boolean)
        (static_cast<C&>(c).*Set)(v != 0);
      else
        (static_cast<C&>(c).*Set)(static_cast<T>(v));
    };
  }
  return info;
}
