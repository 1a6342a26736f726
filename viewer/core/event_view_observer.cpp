// The list of listeners of the record list.

#include "viewer/core/event_view_observer.h"

#include <algorithm>

void TEventViewObservers::Add(TEventViewObserver* observer) {
  if (observer == nullptr || std::find(FList.begin(), FList.end(), observer) != FList.end()) return;
  FList.push_back(observer);
}

void TEventViewObservers::Remove(TEventViewObserver* observer) {
  const auto found = std::find(FList.begin(), FList.end(), observer);
  if (found == FList.end()) return;
  if (FNotifying > 0) {
    *found = nullptr;
  } else {
    FList.erase(found);
  }
}

void TEventViewObservers::Compact() { std::erase(FList, nullptr); }
