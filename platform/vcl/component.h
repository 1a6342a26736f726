#pragma once
// TComponent: a named object that owns the components created with it as their owner and destroys
// them with itself, tells interested components when it goes away, and knows whether it is being
// loaded from a form file or lives in the designer.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/component_class.h"
#include "platform/vcl/sets.h"
#include "platform/vcl/system.h"

enum TComponentStateItem { csLoading, csReading, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TComponentClass& StaticClass();
  virtual const TComponentClass& ClassType() const { return StaticClass(); }
  std::string ClassName() const override { return ClassType().ClassName(); }
  bool InheritsFrom(const TComponentClass& ancestor) const {
    return ClassType().InheritsFrom(ancestor);
  }

  const std::string& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier or that another component of the
  // same owner already has (letter case ignored). An empty name is allowed.
  virtual void SetName(const std::string& name);

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;  // raises EListError out of range
  int ComponentIndex() const;               // position in the owner's list, -1 without owner
  TComponent* FindComponent(std::string_view name) const;  // letter case ignored
  // Takes ownership of `component` (from its previous owner, if any).
  void InsertComponent(TComponent* component);
  // Gives up ownership: the component then has no owner.
  void RemoveComponent(TComponent* component);

  TComponentState ComponentState() const { return FComponentState; }
  // Sets or clears csDesigning on this component and every component it owns.
  void SetDesigning(bool designing);

  // `component` is told (Notification with opRemove) when this one is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Form-file structure: the component that contains this one in a form file (a control's parent),
  // and the components written inside this one when `root` is written.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* parent);
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

  // Loading state, set and cleared by the form reader around reading this component.
  void BeginLoading() { FComponentState.Include(csLoading).Include(csReading); }
  void EndLoading() { FComponentState.Exclude(csLoading).Exclude(csReading); }
  // Whether a form file is being read into the component: values may come in any order.
  bool Loading() const { return FComponentState.Contains(csLoading); }
  // Called by the form reader once the component's properties and the objects inside it are read,
  // before references are resolved and before any component's Loaded.
  virtual void ReadCompleted() {}
  // Called once every component of a form file has been read and its references resolved.
  virtual void Loaded() {}

 protected:
  // `component` was inserted into or is being removed from this component's world: its owner's
  // components hear of every insertion and removal, and free-notification partners of their
  // removal. Override to drop references; call the inherited version.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void ValidateRename(const std::string& name) const;

  std::string FName;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
};
