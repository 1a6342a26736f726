// TComponent: naming, ownership, free notification, designing and loading state.

#include "platform/vcl/component.h"

#include <algorithm>

#include "platform/vcl/errors.h"

namespace {

bool IsValidIdent(std::string_view name) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.empty() || !letter(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

}  // namespace

const TComponentClass& TComponent::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({.Name = "TComponent"});
  return cls;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  while (!FFreeNotifies.empty()) {
    TComponent* partner = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    std::erase(partner->FFreeNotifies, this);
    partner->Notification(this, opRemove);
  }
  // Owned components are destroyed last first; they leave the list before their destruction so
  // that nobody is told about a half-destroyed owner's components.
  while (!FComponents.empty()) {
    TComponent* component = FComponents.back();
    FComponents.pop_back();
    component->FOwner = nullptr;
    delete component;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::ValidateRename(const std::string& name) const {
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (!FOwner || name.empty()) return;
  TComponent* other = FOwner->FindComponent(name);
  if (other && other != this)
    throw EComponentError("A component named " + name + " already exists");
}

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  ValidateRename(name);
  FName = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& siblings = FOwner->FComponents;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->FName, name)) return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner == this) return;
  if (!component->FName.empty()) {
    TComponent* other = FindComponent(component->FName);
    if (other) throw EComponentError("A component named " + component->FName + " already exists");
  }
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  Insert(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this) return;
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(FComponents, component);
  component->FOwner = nullptr;
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  for (TComponent* component : FComponents) component->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) != FFreeNotifies.end())
    return;
  FFreeNotifies.push_back(component);
  component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  std::erase(FFreeNotifies, component);
  std::erase(component->FFreeNotifies, this);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  if (root != this) return;
  for (TComponent* component : FComponents)
    if (!component->HasParent()) proc(component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveFreeNotification(component);
  // By index: a component told of the change may add or remove components of its own owner.
  for (size_t i = 0; i < FComponents.size(); ++i)
    FComponents[i]->Notification(component, operation);
}
