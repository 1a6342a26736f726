// The filter window's check marks, time range and Apply.

#include "viewer/core/filter_state.h"

#include <algorithm>
#include <cmath>

#include "capture/engine.h"
#include "log/log_stream.h"
#include "platform/classes.h"
#include "platform/sysutils.h"
#include "viewer/core/options_editor.h"

namespace {

// The date picker's whole day with the time picker's time of day. A date-time's whole day is its
// value truncated towards zero and its time of day the magnitude of the fraction, so a day before
// 1899-12-30 (negative) takes the time of day away from the day: -1 and 06:00 give -1.25, the
// value that stands for 1899-12-29 06:00.
TDateTime Compose(const TFilterBound& bound) {
  const TDateTime day = std::trunc(bound.Date);
  const TDateTime timeOfDay = std::fabs(bound.Time - std::trunc(bound.Time));
  return day < 0 ? day - timeOfDay : day + timeOfDay;
}

}  // namespace

TEventFilterState::TEventFilterState(const TOXOptions& settings) : FSettings(settings) {
  RefreshItems();
}

void TEventFilterState::RefreshItems() {
  // A sorted list without duplicates, ignoring letter case, as the class names of the registry
  // are compared everywhere else.
  TStringList names;
  names.SetSorted(true);
  GetRegisteredLogEvents(&names);

  FClassNames.clear();
  FClassNames.reserve(static_cast<size_t>(names.Count()));
  FItems.clear();
  for (int i = 0; i < names.Count(); ++i) {
    const std::string& name = names.Get(i);
    FClassNames.push_back(name);
    if (const TLogEventClass* cls = TLogStream::FindClassByName(name)) {
      FItems.push_back({cls->GetEventName(), i, FSettings.IsEnabled(name)});
    }
  }
  // Sorted as a sorted list box sorts: by display name ignoring letter case; items of equal
  // names keep the order of their class names.
  std::stable_sort(FItems.begin(), FItems.end(), [](const TFilterItem& a, const TFilterItem& b) {
    return CompareText(a.DisplayName, b.DisplayName) < 0;
  });

  FItemOfClass.assign(FClassNames.size(), -1);
  for (size_t item = 0; item < FItems.size(); ++item) {
    FItemOfClass[static_cast<size_t>(FItems[item].ClassIndex)] = static_cast<int>(item);
  }
}

int TEventFilterState::ItemOf(std::string_view className) const {
  const auto found = std::lower_bound(FClassNames.begin(), FClassNames.end(), className,
                                      [](const std::string& name, std::string_view wanted) {
                                        return CompareText(name, wanted) < 0;
                                      });
  if (found == FClassNames.end() || !SameText(*found, className)) return -1;
  return FItemOfClass[static_cast<size_t>(found - FClassNames.begin())];
}

bool TEventFilterState::IsChecked(std::string_view className) const {
  const int item = ItemOf(className);
  return item >= 0 && FItems[static_cast<size_t>(item)].Checked;
}

bool TEventFilterState::IsItem(int item) const {
  return item >= 0 && item < static_cast<int>(FItems.size());
}

void TEventFilterState::ApplyPairing(int item) {
  const TFilterItem& changed = FItems[static_cast<size_t>(item)];
  const std::string_view partnerName =
      PartnerClass(FClassNames[static_cast<size_t>(changed.ClassIndex)]);
  if (partnerName.empty()) return;
  const int partner = ItemOf(partnerName);
  if (partner >= 0) FItems[static_cast<size_t>(partner)].Checked = changed.Checked;
}

void TEventFilterState::SetChecked(int item, bool checked) {
  if (!IsItem(item)) return;
  FItems[static_cast<size_t>(item)].Checked = checked;
  ApplyPairing(item);
  FApplyEnabled = true;
}

void TEventFilterState::Toggle(int item) {
  if (IsItem(item)) SetChecked(item, !FItems[static_cast<size_t>(item)].Checked);
}

void TEventFilterState::SelectAll() {
  for (TFilterItem& item : FItems) item.Checked = true;
  FApplyEnabled = true;
}

void TEventFilterState::ClearAll() {
  for (TFilterItem& item : FItems) item.Checked = false;
  FApplyEnabled = true;
}

void TEventFilterState::SetFromEnabled(bool enabled) {
  FFrom.Enabled = enabled;
  if (enabled) FApplyEnabled = true;
}

void TEventFilterState::SetToEnabled(bool enabled) {
  FTo.Enabled = enabled;
  if (enabled) FApplyEnabled = true;
}

void TEventFilterState::SetFromDate(TDateTime date) {
  FFrom.Date = date;
  FApplyEnabled = true;
}

void TEventFilterState::SetFromTime(TDateTime time) {
  FFrom.Time = time;
  FApplyEnabled = true;
}

void TEventFilterState::SetToDate(TDateTime date) {
  FTo.Date = date;
  FApplyEnabled = true;
}

void TEventFilterState::SetToTime(TDateTime time) {
  FTo.Time = time;
  FApplyEnabled = true;
}

void TEventFilterState::SetFrom(TDateTime value) {
  FFrom.Date = value;
  FFrom.Time = value;
}

void TEventFilterState::SetTo(TDateTime value) {
  FTo.Date = value;
  FTo.Time = value;
}

TDateTime TEventFilterState::GetFrom() const {
  return FFrom.Enabled ? Compose(FFrom) : kUnboundedFilterFrom;
}

TDateTime TEventFilterState::GetTo() const {
  return FTo.Enabled ? Compose(FTo) : kUnboundedFilterTo;
}

TApplyOutcome TEventFilterState::Apply() {
  // Written as "not less" so that a bound that is not a number is refused too.
  if (!(GetFrom() < GetTo())) return TApplyOutcome::aoRangeError;
  FApplyEnabled = false;
  if (OnApply) OnApply();
  return TApplyOutcome::aoApplied;
}
