#pragma once
// The view list: the rows currently visible, as indexes into the record list, always in
// record-list order. It refers to the record list and does not own it.

#include <cstdint>
#include <span>
#include <vector>

#include "viewer/core/event_list.h"

class TViewList {
 public:
  explicit TViewList(TEventList& records) : FRecords(records) {}

  int Count() const { return static_cast<int>(FRows.size()); }
  bool IsRow(int position) const { return position >= 0 && position < Count(); }
  // The record-list index shown at a position.
  int32_t operator[](int position) const { return FRows[static_cast<size_t>(position)]; }
  const TEventEntry& Entry(int position) const {
    return FRecords[static_cast<size_t>((*this)[position])];
  }
  TEventEntry& Entry(int position) { return FRecords[static_cast<size_t>((*this)[position])]; }
  // The position that shows the record, or -1 when it is not visible.
  int PositionOf(int32_t recordIndex) const;

  void Clear() { FRows.clear(); }
  void Append(int32_t recordIndex) { FRows.push_back(recordIndex); }
  // Removes the rows first .. last, both included.
  void Remove(int first, int last);
  void Insert(int position, std::span<const int32_t> recordIndexes);

 private:
  TEventList& FRecords;
  std::vector<int32_t> FRows;
};
