// Rebuilding the visible rows under the type and time filters.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

class Rebuilding : public ViewerFixture {
 protected:
  void SetUp() override {
    LogWriter(LogFile)
        .At(1000)
        .Start()
        .At(2000)
        .Message("a")
        .Enter("s")
        .At(3000)
        .Message("b")
        .Leave("s")
        .At(4000)
        .Separator()
        .Stop()
        .At(9000)
        .Start()
        .At(9500)
        .Message("c")
        .Stop();
    Viewer().Load(LogFile);
  }
};

TEST_F(Rebuilding, TheTypeFilterHidesClassesAndCollapsedGroupsStayCollapsed) {
  Viewer().Collapse(2);  // enter s
  Viewer().Collapse(6);  // the second session
  Settings.SetEnabled("TUserMessageEvent", false);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(),
            (::Rows{"0:start", "1:enter s", "1:-", "0:stop", "-1:---", "0:start", "-1:---"}));
  EXPECT_EQ(Viewer().CountsText(), " 12 Events in 2 Sessions, 7 Visible ");

  Settings.SetEnabled("TUserMessageEvent", true);
  Settings.SetEnabled("TSeparatorEvent", false);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter s", "0:stop", "0:start"}));
}

TEST_F(Rebuilding, KeepingTheSelectionFollowsTheRecord) {
  Viewer().Select(6);  // stop
  Settings.SetEnabled("TUserMessageEvent", false);
  Viewer().RebuildView(true);
  EXPECT_EQ(Viewer().Selected(), 4);
  EXPECT_EQ(Viewer().Focused(), 4);
  Viewer().RebuildView(false);
  EXPECT_EQ(Viewer().Selected(), -1);

  Viewer().Select(1);  // enter s
  Settings.SetEnabled("TEnterSectionEvent", false);
  Viewer().RebuildView(true);
  EXPECT_EQ(Viewer().Selected(), -1);  // its record is no longer visible
}

TEST_F(Rebuilding, TheTimeBoundsAreStrict) {
  FixedFilter filter;
  filter.From = kWrittenAt;           // the start of both sessions
  filter.To = kWrittenAt + Ms(3000);  // the logged separator and the first stop
  Viewer().SetFilterWindow(&filter);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), (::Rows{"1:a", "1:enter s", "2:b", "1:leave s", "1:c", "0:stop"}));
}

TEST_F(Rebuilding, LogsOlderThanSixtyDaysAreHiddenWhileNoFilterWindowExists) {
  RestartViewer();
  SetFixedNow(kViewedAt + 60);
  TEventView view(Settings);
  Settings.Load();
  view.Load(LogFile);
  EXPECT_EQ(view.RowCount(), 0);
  EXPECT_EQ(view.CountsText(), " 12 Events in 2 Sessions, 0 Visible ");
  EXPECT_NEAR(view.FallbackTo() - view.FallbackFrom(), 60, 1e-9);
}

TEST_F(Rebuilding, RecordsLoggedSinceTheViewerStartedStayVisible) {
  const std::string later = Dir.File("later.evt");
  SetFixedNow(kViewedAt + 1);
  LogWriter(later).At(20000).Start().At(20500).Message("later").Stop();
  SetFixedNow(kViewedAt + 2);
  Viewer().Load(later);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:later", "0:stop", "-1:---"}));
  EXPECT_NEAR(Viewer().FallbackTo(), kViewedAt, 1e-9);  // what a filter window starts from
}

TEST_F(Rebuilding, ACollapsedOpenSectionHidesNothingOfTheNextSession) {
  LogWriter(Dir.File("open.evt"))
      .Start()
      .Enter("open")
      .Message("a")
      .Stop()
      .Start()
      .Message("b")
      .Stop();
  Viewer().Load(Dir.File("open.evt"));
  Viewer().Collapse(1);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:enter open", "0:stop", "-1:---", "0:start", "1:b",
                            "0:stop", "-1:---"}));
  Viewer().Collapse(4);
  Viewer().Expand(4);  // the nested walk has the same rule
  EXPECT_EQ(Rows().size(), 8u);
}

}  // namespace
