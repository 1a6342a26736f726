// TStringList: string lists stored in memory, optionally kept sorted with a rule for duplicates.

#include <algorithm>

#include "platform/classes.h"

namespace {

[[noreturn]] void RaiseSortedListError() {
  throw EStringListError("Operation not allowed on sorted string list");
}

}  // namespace

TStringList::TStringList(const TStringList& other) = default;
TStringList& TStringList::operator=(const TStringList& other) = default;

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStringList::Get(int index) const {
  CheckIndex(index);
  return FLines[static_cast<size_t>(index)].Text;
}

void TStringList::Put(int index, const std::string& s) {
  if (FSorted) RaiseSortedListError();
  CheckIndex(index);
  FLines[static_cast<size_t>(index)].Text = s;
}

void* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FLines[static_cast<size_t>(index)].Object;
}

void TStringList::PutObject(int index, void* object) {
  CheckIndex(index);
  FLines[static_cast<size_t>(index)].Object = object;
}

void TStringList::Insert(int index, const std::string& s) {
  if (FSorted) RaiseSortedListError();
  if (index != Count()) CheckIndex(index);
  FLines.insert(FLines.begin() + index, TLine{s, nullptr});
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FLines.erase(FLines.begin() + index);
}

void TStringList::Clear() { FLines.clear(); }

int TStringList::Add(const std::string& s) {
  if (!FSorted) {
    FLines.push_back(TLine{s, nullptr});
    return Count() - 1;
  }
  int index = 0;
  if (Find(s, index)) {
    if (FDuplicates == TDuplicates::dupIgnore) return index;
    if (FDuplicates == TDuplicates::dupError)
      throw EStringListError("String list does not allow duplicates");
  }
  FLines.insert(FLines.begin() + index, TLine{s, nullptr});
  return index;
}

int TStringList::IndexOf(std::string_view s) const {
  if (!FSorted) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(std::string_view s, int& index) const {
  // Lower bound, so that among equal lines the first one is found.
  int low = 0;
  int high = Count();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    if (CompareStrings(FLines[static_cast<size_t>(mid)].Text, s) < 0)
      low = mid + 1;
    else
      high = mid;
  }
  index = low;
  return low < Count() && CompareStrings(FLines[static_cast<size_t>(low)].Text, s) == 0;
}

void TStringList::Sort() {
  std::stable_sort(FLines.begin(), FLines.end(), [this](const TLine& a, const TLine& b) {
    return CompareStrings(a.Text, b.Text) < 0;
  });
}

void TStringList::SetSorted(bool value) {
  if (value && !FSorted) Sort();
  FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (value == CaseSensitive()) return;
  TStrings::SetCaseSensitive(value);
  if (FSorted) Sort();
}
