// The filter window's logic: its items and check marks, the pairing of session and section
// marks, the time range and Apply, and its part as the record list's filter.

#include <algorithm>
#include <cmath>
#include <limits>

#include "log/log_event_proxy.h"
#include "log/log_stream.h"
#include "platform/sysutils.h"
#include "tests/viewer_core/crafted_logs.h"
#include "viewer/core/filter_state.h"

namespace {

// A family that lists a class name without a class behind it.
class TGhostProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TGhostProxy)
  explicit TGhostProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    EnabledClasses.Add("TGhostEvent");
  }
};
const TLogEventProxyClass& TGhostProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TGhostProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TGhostProxy>};
  return cls;
}

class FilterState : public ViewerFixture {
 protected:
  TEventFilterState& Filter() {
    if (!FFilter) {
      Viewer();  // the settings loaded as at start
      FFilter = std::make_unique<TEventFilterState>(Settings);
    }
    return *FFilter;
  }
  // The filter as the view's filter, Apply rebuilding the view as the main window does.
  TEventFilterState& FilterOfView() {
    TEventFilterState& filter = Filter();
    Viewer().SetFilterWindow(&filter);
    filter.OnApply = [this] { Viewer().RebuildView(true); };
    return filter;
  }
  int Item(const std::string& className) {
    const auto& items = Filter().Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (Filter().ClassNames()[static_cast<size_t>(items[i].ClassIndex)] == className) {
        return static_cast<int>(i);
      }
    }
    throw std::runtime_error("no item " + className);
  }
  bool Checked(const std::string& className) {
    return Filter().Items()[static_cast<size_t>(Item(className))].Checked;
  }

  ~FilterState() override {
    if (FFilter) Viewer().SetFilterWindow(nullptr);
  }

 private:
  std::unique_ptr<TEventFilterState> FFilter;
};

TEST_F(FilterState, ItemsNameEveryClassSortedByDisplayNameWithTheSettingsMarks) {
  Viewer();
  Settings.SetEnabled("TUserMessageEvent", false);
  const auto& items = Filter().Items();
  const auto& names = Filter().ClassNames();
  ASSERT_EQ(items.size(), names.size());  // every built-in name has its class
  for (size_t i = 1; i < items.size(); ++i) {
    EXPECT_LE(CompareText(items[i - 1].DisplayName, items[i].DisplayName), 0);
  }
  for (const TFilterItem& item : items) {
    const std::string& name = names[static_cast<size_t>(item.ClassIndex)];
    EXPECT_EQ(item.DisplayName, TLogStream::FindClassByName(name)->GetEventName());
    EXPECT_EQ(item.Checked, Settings.IsEnabled(name)) << name;
    EXPECT_EQ(Filter().IsChecked(name), item.Checked);
  }
  EXPECT_FALSE(Filter().IsChecked("TUserMessageEvent"));
  // Class names are looked up as the sorted list holds them, ignoring letter case.
  EXPECT_TRUE(Filter().IsChecked("tseparatorevent"));
  EXPECT_FALSE(Filter().IsChecked("TNoSuchEvent"));
  EXPECT_FALSE(Filter().IsChecked(""));
}

TEST_F(FilterState, ANameWithoutAClassHasNoItemAndItsRowsAreHidden) {
  TLogStream::RegisterProxyClass(TGhostProxy::StaticClass());
  const auto& names = Filter().ClassNames();
  const auto ghost = std::find(names.begin(), names.end(), "TGhostEvent");
  ASSERT_NE(ghost, names.end());
  const int ghostIndex = static_cast<int>(ghost - names.begin());
  for (const TFilterItem& item : Filter().Items()) EXPECT_NE(item.ClassIndex, ghostIndex);
  // The settings would show it; the filter window does not while it is the view's filter.
  EXPECT_TRUE(Settings.IsEnabled("TGhostEvent"));
  EXPECT_FALSE(FilterOfView().IsEventShown("TGhostEvent"));
  EXPECT_FALSE(Viewer().Filter().IsEventShown("TGhostEvent"));
  TLogStream::UnregisterProxyClass(TGhostProxy::StaticClass());
}

TEST_F(FilterState, SessionAndSectionMarksFollowTheirPartnerBothWays) {
  Filter().SetChecked(Item("TStartSessionEvent"), false);
  EXPECT_FALSE(Checked("TStopSessionEvent"));
  Filter().Toggle(Item("TStopSessionEvent"));
  EXPECT_TRUE(Checked("TStopSessionEvent"));
  EXPECT_TRUE(Checked("TStartSessionEvent"));

  Filter().Toggle(Item("TLeaveSectionEvent"));
  EXPECT_FALSE(Checked("TEnterSectionEvent"));
  Filter().SetChecked(Item("TEnterSectionEvent"), true);
  EXPECT_TRUE(Checked("TLeaveSectionEvent"));

  // Other classes have no partner.
  Filter().SetChecked(Item("TUserMessageEvent"), false);
  EXPECT_FALSE(Checked("TUserMessageEvent"));
  EXPECT_TRUE(Checked("TSeparatorEvent"));
  EXPECT_TRUE(Checked("TStartSessionEvent"));
  EXPECT_TRUE(Filter().ApplyEnabled());
}

TEST_F(FilterState, SelectAllAndClearAllChangeEveryItemAndRefreshDiscardsUnappliedMarks) {
  Viewer();
  Settings.SetEnabled("TSeparatorEvent", false);
  Filter().SelectAll();
  EXPECT_TRUE(std::all_of(Filter().Items().begin(), Filter().Items().end(),
                          [](const TFilterItem& item) { return item.Checked; }));
  EXPECT_TRUE(Filter().ApplyEnabled());
  Filter().ClearAll();
  EXPECT_TRUE(std::none_of(Filter().Items().begin(), Filter().Items().end(),
                           [](const TFilterItem& item) { return item.Checked; }));

  Settings.SetEnabled("TUserMessageEvent", false);
  Filter().RefreshItems();
  EXPECT_FALSE(Checked("TUserMessageEvent"));
  EXPECT_FALSE(Checked("TSeparatorEvent"));
  EXPECT_TRUE(Checked("TStartSessionEvent"));
}

TEST_F(FilterState, EditsOutsideTheItemsChangeNothing) {
  const std::vector<TFilterItem> before = Filter().Items();
  Filter().SetChecked(-1, false);
  Filter().Toggle(static_cast<int>(before.size()));
  EXPECT_FALSE(Filter().ApplyEnabled());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(Filter().Items()[i].Checked, before[i].Checked);
  }
}

TEST_F(FilterState, UncheckedBoundsLetEverySessionRowPassButNoRowBeforeTheFirstSession) {
  EXPECT_EQ(Filter().GetFrom(), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(Filter().GetTo(), 1700000000.0);
  WriteMixedLog(LogFile);
  FilterOfView();
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(),
            (::Rows{"0:start", "1:a", "1:enter outer", "2:enter inner", "3:-", "2:leave inner",
                    "2:b", "0:stop", "-1:---", "0:start", "1:enter open", "2:c"}));
}

TEST_F(FilterState, BoundsJoinTheDatePickersDayWithTheTimePickersTimeOfDay) {
  Filter().SetFromEnabled(true);
  Filter().SetFromDate(36526.75);
  Filter().SetFromTime(12.25);
  EXPECT_EQ(Filter().GetFrom(), 36526.25);
  Filter().SetToEnabled(true);
  Filter().SetToDate(36530.0);
  Filter().SetToTime(-3.5);  // a time of day is the fraction's magnitude
  EXPECT_EQ(Filter().GetTo(), 36530.5);

  // Before 1899-12-30 the day is negative and the time of day counts away from zero.
  Filter().SetFromDate(-1.9);
  Filter().SetFromTime(0.25);
  EXPECT_EQ(Filter().GetFrom(), -1.25);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Filter().GetFrom()), "1899-12-29 06:00");

  // From the main window both pickers take the whole value, and Apply stays as it is.
  Filter().Apply();
  for (const TDateTime value : {36526.625, -2.75, 0.5}) {
    Filter().SetFrom(value);
    Filter().SetTo(value);
    EXPECT_EQ(Filter().GetFrom(), value);
    EXPECT_EQ(Filter().GetTo(), value);
  }
  EXPECT_FALSE(Filter().ApplyEnabled());
}

TEST_F(FilterState, ApplyShowsOnlyRowsStrictlyInsideTheRange) {
  LogWriter(LogFile).At(1000).Start().Message("a").At(3000).Message("b").At(5000).Message("c");
  TEventFilterState& filter = FilterOfView();
  Viewer().Load(LogFile);
  filter.SetFromEnabled(true);
  filter.SetFrom(kWrittenAt + Ms(1000));
  filter.SetToEnabled(true);
  filter.SetTo(kWrittenAt + Ms(3000));
  EXPECT_EQ(filter.Apply(), TApplyOutcome::aoApplied);
  EXPECT_EQ(Rows(), (::Rows{"1:b"}));
  EXPECT_FALSE(filter.ApplyEnabled());
  // Both bounds are strict.
  filter.SetFrom(kWrittenAt + Ms(2000));
  filter.SetTo(kWrittenAt + Ms(4000));
  filter.Apply();
  EXPECT_EQ(Rows(), ::Rows{});
}

TEST_F(FilterState, AFromNotBeforeToIsRefusedAndChangesNothing) {
  WriteMixedLog(LogFile);
  TEventFilterState& filter = FilterOfView();
  Viewer().Load(LogFile);
  const ::Rows before = Rows();
  int applied = 0;
  filter.OnApply = [&] { ++applied; };
  filter.SetFromEnabled(true);
  filter.SetToEnabled(true);
  for (const TDateTime to : {kWrittenAt - 1, kWrittenAt}) {
    filter.SetFrom(kWrittenAt);
    filter.SetTo(to);
    EXPECT_EQ(filter.Apply(), TApplyOutcome::aoRangeError);
  }
  filter.SetTo(std::nan(""));
  EXPECT_EQ(filter.Apply(), TApplyOutcome::aoRangeError);
  EXPECT_EQ(applied, 0);
  EXPECT_TRUE(filter.ApplyEnabled());
  EXPECT_EQ(Rows(), before);
}

TEST_F(FilterState, OnlyCheckingABoundOrChangingAPickerEnablesApply) {
  EXPECT_FALSE(Filter().ApplyEnabled());
  Filter().SetFromEnabled(false);
  Filter().SetToEnabled(false);
  EXPECT_FALSE(Filter().ApplyEnabled());
  Filter().SetTo(kWrittenAt);
  EXPECT_FALSE(Filter().ApplyEnabled());
  Filter().SetToEnabled(true);
  EXPECT_TRUE(Filter().ApplyEnabled());
  ASSERT_EQ(Filter().Apply(), TApplyOutcome::aoApplied);
  Filter().SetToEnabled(false);
  EXPECT_FALSE(Filter().ApplyEnabled());  // the wider range waits for the next Apply
  EXPECT_EQ(Filter().GetTo(), kUnboundedFilterTo);

  for (void (TEventFilterState::*edit)(TDateTime) :
       {&TEventFilterState::SetFromDate, &TEventFilterState::SetFromTime,
        &TEventFilterState::SetToDate, &TEventFilterState::SetToTime}) {
    Filter().Apply();
    (Filter().*edit)(kWrittenAt);
    EXPECT_TRUE(Filter().ApplyEnabled());
  }
}

}  // namespace
