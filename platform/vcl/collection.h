#pragma once
// Collections: ordered lists of items of one class, each with published properties of its own,
// owned by a control (a header's sections, a list view's columns). Form files write a collection
// as `Sections = < item Text = 'Name' Width = 80 end ... >`, each item with its stored
// properties; reading one replaces the items.

#include <functional>
#include <memory>
#include <vector>

#include "platform/vcl/component.h"

class TCollection;

// An item of a collection. Items are components only so that their published properties read and
// write as any component's; they have no name and no owner.
class TCollectionItem : public TComponent {
  COMPONENT_CLASS(TCollectionItem)

 public:
  explicit TCollectionItem(TCollection* collection);

  TCollection* Collection() const { return FCollection; }
  // The item's position in its collection.
  int Index() const;

 protected:
  // Tells the collection that the item's contents changed.
  void Changed();

 private:
  TCollection* FCollection;
};

class TCollection {
 public:
  TCollection() = default;
  virtual ~TCollection();
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError out of range.
  TCollectionItem* Item(int index) const;
  int IndexOf(const TCollectionItem* item) const;
  // Appends a new item of the collection's class.
  TCollectionItem* AddItem();
  void Clear();

  // Called after items are added or removed, or an item changes.
  std::function<void()> OnChange;

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;

 private:
  friend class TCollectionItem;
  void Changed();

  std::vector<std::unique_ptr<TCollectionItem>> FItems;
};

// A collection of items of class T (derived from TCollectionItem, constructed from the collection).
template <typename T>
class TTypedCollection : public TCollection {
 public:
  T* Items(int index) const { return static_cast<T*>(Item(index)); }
  T* Add() { return static_cast<T*>(AddItem()); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<T>(this); }
};
