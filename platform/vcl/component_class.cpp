// Component class references and the registry of classes by name.

#include "platform/vcl/component_class.h"

#include <algorithm>

#include "platform/vcl/errors.h"
#include "platform/vcl/framework_classes.h"

TComponentClass::TComponentClass(const TDefinition& definition)
    : FName(definition.Name), FParent(definition.Parent), FCreate(definition.Create) {
  if (FParent) FProperties.assign(FParent->FProperties.begin(), FParent->FProperties.end());
  for (const TPublishedProperty& own : definition.OwnProperties) {
    auto inherited = std::find_if(FProperties.begin(), FProperties.end(),
                                  [&](auto* p) { return SameText(p->Name, own.Name); });
    if (inherited != FProperties.end())
      *inherited = &own;
    else
      FProperties.push_back(&own);
  }
}

bool TComponentClass::InheritsFrom(const TComponentClass& ancestor) const {
  for (const TComponentClass* c = this; c; c = c->FParent)
    if (c == &ancestor) return true;
  return false;
}

const TPublishedProperty* TComponentClass::FindProperty(std::string_view name) const {
  for (const TPublishedProperty* p : FProperties)
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

TComponent* TComponentClass::Create(TComponent* owner) const {
  if (!FCreate) throw EClassNotFound("Class " + FName + " cannot be created by name");
  return FCreate(owner);
}

namespace {

std::vector<const TComponentClass*>& Registry() {
  static std::vector<const TComponentClass*>* registry = [] {
    auto* classes = new std::vector<const TComponentClass*>;
    for (const TComponentClass* c : FrameworkClasses()) classes->push_back(c);
    return classes;
  }();
  return *registry;
}

}  // namespace

void RegisterClass(const TComponentClass& componentClass) {
  if (const TComponentClass* known = GetClass(componentClass.ClassName())) {
    if (known == &componentClass) return;
    throw EComponentError("Class " + componentClass.ClassName() + " is already registered");
  }
  Registry().push_back(&componentClass);
}

void RegisterClasses(std::initializer_list<const TComponentClass*> classes) {
  for (const TComponentClass* c : classes) RegisterClass(*c);
}

void UnRegisterClass(const TComponentClass& componentClass) {
  std::erase(Registry(), &componentClass);
}

const TComponentClass* GetClass(std::string_view name) {
  for (const TComponentClass* c : Registry())
    if (SameText(c->ClassName(), name)) return c;
  return nullptr;
}

const TComponentClass& FindClass(std::string_view name) {
  if (const TComponentClass* c = GetClass(name)) return *c;
  throw EClassNotFound("Class " + std::string(name) + " not found");
}
