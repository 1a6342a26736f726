#pragma once
// Component class references: one object per component class with its name, parent class,
// published properties and virtual constructor, and the registry through which form files create
// components by class name.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/published.h"

class TComponent;

class TComponentClass {
 public:
  using TConstructor = TComponent* (*)(TComponent* owner);

  struct TDefinition {
    std::string_view Name = {};
    const TComponentClass* Parent = nullptr;  // nullptr only for TComponent itself
    std::span<const TPublishedProperty> OwnProperties = {};
    TConstructor Create = nullptr;  // nullptr for classes that are never created by name
  };

  explicit TComponentClass(const TDefinition& definition);
  TComponentClass(const TComponentClass&) = delete;
  TComponentClass& operator=(const TComponentClass&) = delete;

  const std::string& ClassName() const { return FName; }
  const TComponentClass* ClassParent() const { return FParent; }
  bool InheritsFrom(const TComponentClass& ancestor) const;

  // Inherited properties first, then the class's own, in declaration order; a class that declares
  // an inherited property again (to change its default) replaces it in place.
  std::span<const TPublishedProperty* const> Properties() const { return FProperties; }
  const TPublishedProperty* FindProperty(std::string_view name) const;  // letter case ignored

  // A new component of this class owned by `owner`; raises EClassNotFound for abstract classes.
  TComponent* Create(TComponent* owner) const;

 private:
  std::string FName;
  const TComponentClass* FParent;
  std::vector<const TPublishedProperty*> FProperties;
  TConstructor FCreate;
};

template <typename T>
TComponent* ConstructComponent(TComponent* owner) {
  return new T(owner);
}

// Declares the class-reference members of a component class; its .cpp defines StaticClass, with a
// class object that is never destroyed (the library still uses classes while the process exits):
//   static const TComponentClass& cls = *new TComponentClass({...}); return cls;
#define COMPONENT_CLASS(Class)                 \
 public:                                       \
  static const TComponentClass& StaticClass(); \
  const TComponentClass& ClassType() const override { return StaticClass(); }

// The registry of classes that form files may name. Registering a class again does nothing; a
// different class of the same name raises EComponentError. The framework's own classes are
// registered before the first lookup.
void RegisterClass(const TComponentClass& componentClass);
void RegisterClasses(std::initializer_list<const TComponentClass*> classes);
void UnRegisterClass(const TComponentClass& componentClass);
const TComponentClass* GetClass(std::string_view name);   // letter case ignored; nullptr if unknown
const TComponentClass& FindClass(std::string_view name);  // raises EClassNotFound
