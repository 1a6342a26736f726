#pragma once
// What the record list tells the windows that follow it (the list itself, the inspector, the
// filter window), and the list of those listeners.

#include <cstddef>
#include <vector>

// Notifications about the visible rows, in the order a list model needs them. A change of many
// rows at once (a load, a rebuild) comes as one reset, without notifications of single rows.
class TEventViewObserver {
 public:
  virtual ~TEventViewObserver() = default;
  virtual void RowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
  virtual void RowsRemoved() {}
  virtual void RowsAboutToBeInserted(int /*first*/, int /*last*/) {}
  virtual void RowsInserted() {}
  virtual void ViewAboutToBeReset() {}
  virtual void ViewReset() {}
  // Rows from `first` to the bottom need repainting.
  virtual void RowsChanged(int /*first*/) {}
  // The selected or focused row moved; the selected row is to be scrolled into view.
  virtual void SelectionChanged() {}
  // The current file changed, and with it the window's caption.
  virtual void CurrentFileChanged() {}
  // Every record of the list is about to be freed (a load, the end of the list): a listener
  // holding one lets go of it now.
  virtual void RecordsAboutToBeFreed() {}
};

// The listeners, told in the order they were added. A listener may add or remove listeners
// (itself included) while it is being told: one removed is not told any more, one added is told
// from the next notification on.
class TEventViewObservers {
 public:
  void Add(TEventViewObserver* observer);
  void Remove(TEventViewObserver* observer);

  template <typename Notification>
  void Notify(Notification&& notify) {
    ++FNotifying;
    const size_t count = FList.size();
    for (size_t i = 0; i < count; ++i) {
      if (FList[i] != nullptr) notify(*FList[i]);
    }
    if (--FNotifying == 0) Compact();
  }

 private:
  void Compact();

  std::vector<TEventViewObserver*> FList;  // nullptr: removed while notifying
  int FNotifying = 0;
};
