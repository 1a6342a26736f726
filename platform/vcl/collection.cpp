// Collections and their items.

#include "platform/vcl/collection.h"

#include <algorithm>

#include "platform/sysutils.h"

const TComponentClass& TCollectionItem::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCollectionItem",
      .Parent = &TComponent::StaticClass(),
  });
  return cls;
}

TCollectionItem::TCollectionItem(TCollection* collection)
    : TComponent(nullptr), FCollection(collection) {}

int TCollectionItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (FCollection) FCollection->Changed();
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Item(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FItems[static_cast<size_t>(index)].get();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  auto it = std::find_if(FItems.begin(), FItems.end(),
                         [item](const auto& owned) { return owned.get() == item; });
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TCollectionItem* TCollection::AddItem() {
  FItems.push_back(NewItem());
  Changed();
  return FItems.back().get();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TCollection::Changed() {
  if (OnChange) OnChange();
}
