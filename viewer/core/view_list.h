#pragma once
// The view list: the rows currently visible, as indexes into the record list, always in
// record-list order. It refers to the record list and does not own it.
//
// The rows are kept as a visibility flag per record with a Fenwick tree of their counts, so that
// a row's record, a record's row, and showing or hiding a record each cost O(log n): collapsing
// thousands of groups one after another costs the rows they hide, not the rows behind them.

#include <cstdint>
#include <span>
#include <vector>

#include "viewer/core/event_list.h"

class TViewList {
 public:
  explicit TViewList(TEventList& records) : FRecords(records) {}

  int Count() const { return FCount; }
  bool IsRow(int position) const { return position >= 0 && position < Count(); }
  // The record-list index shown at a position.
  int32_t operator[](int position) const;
  const TEventEntry& Entry(int position) const {
    return FRecords[static_cast<size_t>((*this)[position])];
  }
  TEventEntry& Entry(int position) { return FRecords[static_cast<size_t>((*this)[position])]; }
  // The position that shows the record, or -1 when it is not visible.
  int PositionOf(int32_t recordIndex) const;

  // No rows, over the record list as it is now.
  void Clear();
  // All rows anew, over the record list as it is now: the records for which `isShown(index)`,
  // asked in ascending order, is true. Costs one pass over the records.
  template <typename IsShown>
  void Rebuild(IsShown&& isShown) {
    Clear();
    for (size_t index = 0; index < FShown.size(); ++index) {
      if (isShown(static_cast<int32_t>(index))) {
        FShown[index] = 1;
        ++FCount;
      }
    }
    BuildTree();
  }
  // Takes in the records appended to the record list since the last Clear, Rebuild or Extend,
  // hidden; Insert shows those to be shown. Costs O(log n) per record taken in.
  void Extend();
  // Removes the rows first .. last, both included.
  void Remove(int first, int last);
  // Shows the records, which must not be visible yet.
  void Insert(std::span<const int32_t> recordIndexes);

 private:
  void Show(int32_t recordIndex);
  void Hide(int32_t recordIndex);
  void AddCount(int32_t recordIndex, int32_t delta);
  // The tree over FShown, which it must be all zero for.
  void BuildTree();
  // The number of visible records before `recordIndex`.
  int CountBefore(int32_t recordIndex) const;

  TEventList& FRecords;
  std::vector<uint8_t> FShown;    // per record index
  std::vector<int32_t> FTree{0};  // Fenwick tree over FShown, 1-based
  int FCount = 0;
};
