// TList: an ordered list of untyped pointers that checks its indexes.

#include "platform/classes.h"

namespace {

[[noreturn]] void RaiseIndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

void* TList::Get(int index) const {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  return FItems[static_cast<size_t>(index)];
}

void TList::Put(int index, void* item) {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  FItems[static_cast<size_t>(index)] = item;
}

int TList::Add(void* item) {
  FItems.push_back(item);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) RaiseIndexError(index);
  FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int index) {
  if (index < 0 || index >= Count()) RaiseIndexError(index);
  FItems.erase(FItems.begin() + index);
}

int TList::IndexOf(const void* item) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[static_cast<size_t>(i)] == item) return i;
  }
  return -1;
}

int TList::Remove(const void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void TList::Clear() { FItems.clear(); }
