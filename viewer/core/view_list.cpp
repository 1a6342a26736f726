// Finding rows and records in the visible rows, and showing and hiding records.

#include "viewer/core/view_list.h"

#include <bit>

void TViewList::Clear() {
  FShown.assign(FRecords.size(), 0);
  FTree.assign(FRecords.size() + 1, 0);
  FCount = 0;
}

void TViewList::AddCount(int32_t recordIndex, int32_t delta) {
  for (size_t node = static_cast<size_t>(recordIndex) + 1; node < FTree.size();
       node += node & (~node + 1)) {
    FTree[node] += delta;
  }
}

void TViewList::BuildTree() {
  // Each node adds its count to the node above it, once its own count is complete.
  for (size_t node = 1; node < FTree.size(); ++node) {
    FTree[node] += FShown[node - 1];
    const size_t parent = node + (node & (~node + 1));
    if (parent < FTree.size()) FTree[parent] += FTree[node];
  }
}

void TViewList::Extend() {
  const size_t first = FTree.size();
  FShown.resize(FRecords.size(), 0);
  FTree.resize(FRecords.size() + 1, 0);
  // A node counts the records of its children, the nodes below it whose lowest bit is below its
  // own; the records taken in are all hidden, so only those of the nodes before count.
  for (size_t node = first; node < FTree.size(); ++node) {
    const size_t lowestBit = node & (~node + 1);
    for (size_t child = 1; child < lowestBit; child <<= 1) FTree[node] += FTree[node - child];
  }
}

int TViewList::CountBefore(int32_t recordIndex) const {
  int count = 0;
  for (size_t node = static_cast<size_t>(recordIndex); node > 0; node &= node - 1) {
    count += FTree[node];
  }
  return count;
}

int32_t TViewList::operator[](int position) const {
  // Descends the tree to the last node whose prefix still holds at most `position` rows; the
  // record after it is the row.
  size_t node = 0;
  int remaining = position;
  for (size_t step = std::bit_floor(FTree.size() - 1); step > 0; step >>= 1) {
    if (node + step < FTree.size() && FTree[node + step] <= remaining) {
      node += step;
      remaining -= FTree[node];
    }
  }
  return static_cast<int32_t>(node);
}

int TViewList::PositionOf(int32_t recordIndex) const {
  if (recordIndex < 0 || static_cast<size_t>(recordIndex) >= FShown.size() ||
      !FShown[static_cast<size_t>(recordIndex)]) {
    return -1;
  }
  return CountBefore(recordIndex);
}

void TViewList::Show(int32_t recordIndex) {
  FShown[static_cast<size_t>(recordIndex)] = 1;
  AddCount(recordIndex, 1);
  ++FCount;
}

void TViewList::Hide(int32_t recordIndex) {
  FShown[static_cast<size_t>(recordIndex)] = 0;
  AddCount(recordIndex, -1);
  --FCount;
}

void TViewList::Remove(int first, int last) {
  int32_t index = (*this)[first];
  for (int row = first;; ++row) {
    Hide(index);
    if (row == last) return;
    while (!FShown[static_cast<size_t>(++index)]) {
    }
  }
}

void TViewList::Insert(std::span<const int32_t> recordIndexes) {
  for (const int32_t index : recordIndexes) Show(index);
}
