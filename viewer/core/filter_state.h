#pragma once
// The filter window without pixels: a check mark per registered record class and an optional
// time range. While it exists it is the record list's filter; the window only shows its items
// and pickers and forwards the user's edits.

#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"
#include "viewer/core/settings.h"
#include "viewer/core/view_filter.h"

inline constexpr const char* kFilterRangeErrorText =
    "Filter From date/time value must be less than Filter To.";
// The lower bound while "Filter From" is not checked: every real time passes, a time of exactly 0
// (a record before the first session) does not.
inline constexpr TDateTime kUnboundedFilterFrom = std::numeric_limits<double>::denorm_min();
// The upper bound while "Filter To" is not checked, in days.
inline constexpr TDateTime kUnboundedFilterTo = 1700000000.0;

// One item of the check list: a class's display name and where its name sits in the class-name
// list.
struct TFilterItem {
  std::string DisplayName;
  int ClassIndex = 0;
  bool Checked = false;
};

// One side of the time range: the check box and its date and time pickers.
struct TFilterBound {
  bool Enabled = false;  // "Filter From" / "Filter To" checked
  TDateTime Date = 0;    // the date picker's value; only its whole days count
  TDateTime Time = 0;    // the time picker's value; only its time of day counts
};

enum class TApplyOutcome { aoApplied, aoRangeError };

class TEventFilterState : public TViewFilter {
 public:
  // The items are loaded at once (RefreshItems).
  explicit TEventFilterState(const TOXOptions& settings);

  // Reloads the class names from the registered record classes and the check marks from the
  // settings' Enabled flags, discarding unapplied changes; items sorted by display name.
  void RefreshItems();
  const std::vector<TFilterItem>& Items() const { return FItems; }
  // The sorted class-name list the items point into.
  const std::vector<std::string>& ClassNames() const { return FClassNames; }
  // The check mark of the class's item; false for a name without an item.
  bool IsChecked(std::string_view className) const;

  // ---- the user's edits; each enables Apply ----
  // The item's check box was set to `checked` (a click); its pairing partner follows.
  void SetChecked(int item, bool checked);
  // A double click: toggles the item's check mark; its pairing partner follows.
  void Toggle(int item);
  void SelectAll();
  void ClearAll();
  // "Filter From" / "Filter To" clicked: enables Apply only when the box is now checked.
  void SetFromEnabled(bool enabled);
  void SetToEnabled(bool enabled);
  // A picker changed.
  void SetFromDate(TDateTime date);
  void SetFromTime(TDateTime time);
  void SetToDate(TDateTime date);
  void SetToTime(TDateTime time);

  // ---- from the main window; Apply stays as it is ----
  // Sets both pickers of the side to the value (its date and its time of day).
  void SetFrom(TDateTime value);
  void SetTo(TDateTime value);

  const TFilterBound& From() const { return FFrom; }
  const TFilterBound& To() const { return FTo; }
  // The bounds in force: with the box checked the picker's day plus the time picker's time of
  // day; otherwise the smallest positive double (From) or kUnboundedFilterTo days (To).
  TDateTime GetFrom() const;
  TDateTime GetTo() const;

  bool ApplyEnabled() const { return FApplyEnabled; }
  // With GetFrom() >= GetTo(): aoRangeError and nothing changes (the window shows
  // kFilterRangeErrorText). Otherwise disables Apply, calls OnApply and gives aoApplied.
  TApplyOutcome Apply();
  std::function<void()> OnApply;

  // TViewFilter
  bool IsEventShown(std::string_view className) const override { return IsChecked(className); }
  TDateTime FilterFrom() const override { return GetFrom(); }
  TDateTime FilterTo() const override { return GetTo(); }

 private:
  // The item of a class name (letter case ignored), or -1; a binary search of the class names.
  int ItemOf(std::string_view className) const;
  bool IsItem(int item) const;
  // Gives the item's partner (start and stop of session, enter and leave of section) its mark.
  void ApplyPairing(int item);

  const TOXOptions& FSettings;
  std::vector<std::string> FClassNames;
  std::vector<TFilterItem> FItems;
  // Per class-name position, the item that carries it, or -1 for a name without a class.
  std::vector<int> FItemOfClass;
  TFilterBound FFrom;
  TFilterBound FTo;
  bool FApplyEnabled = false;
};
