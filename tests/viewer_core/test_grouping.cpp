// Reading a log into the record list: levels, group states, inserted separators and sessions.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

using Grouping = ViewerFixture;

TEST_F(Grouping, SessionsAndSectionsNestTheirRecords) {
  LogWriter(LogFile)
      .Start()
      .Message("a")
      .Enter("outer")
      .Message("b")
      .Enter("inner")
      .Message("c")
      .Leave("inner")
      .Leave("outer")
      .Stop()
      .Start()
      .Message("d")
      .Stop();
  ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter outer", "2:b", "2:enter inner", "3:c",
                            "2:leave inner", "1:leave outer", "0:stop", "-1:---", "0:start", "1:d",
                            "0:stop", "-1:---"}));

  std::vector<int> states;
  for (const TEventEntry& entry : Viewer().Records()) states.push_back(entry.State);
  EXPECT_EQ(states, (std::vector<int>{1, 2, 1, 2, 1, 2, 1, 1, 1, 2, 1, 2, 1, 2}));
  EXPECT_EQ(Viewer().Records().Record(9)->TickCount(), 0);  // inserted, not stamped

  const TSessionTable& sessions = Viewer().Sessions();
  ASSERT_EQ(sessions.Count(), 2);
  EXPECT_EQ(sessions[0].FirstEntry, 0);
  EXPECT_EQ(sessions[1].FirstEntry, 10);
  EXPECT_EQ(sessions[2].FirstEntry, 14);  // the sentinel
  EXPECT_EQ(sessions[1].BeginTime, kWrittenAt);
  EXPECT_EQ(sessions[1].StartTick, 1000u);
  EXPECT_EQ(Viewer().SessionOf(9), 0);
  EXPECT_EQ(Viewer().SessionOf(10), 1);
  EXPECT_EQ(Viewer().SessionOf(13), 1);
}

TEST_F(Grouping, RecordsBeforeTheFirstSessionHaveNoSessionAndTimeZero) {
  LogWriter(LogFile).Message("early").Enter("s").Message("x").Start().Message("a").Stop();
  FixedFilter everything;
  Viewer().SetFilterWindow(&everything);
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:early", "0:enter s", "1:x", "0:start", "1:a", "0:stop", "-1:---"}));
  EXPECT_EQ(Viewer().SessionOf(2), -1);
  EXPECT_EQ(Viewer().TimeOf(0), 0);
  EXPECT_EQ(Viewer().RowTexts(0).Time, "");
  EXPECT_EQ(Viewer().SessionPositionText(), "");

  // Any lower time bound above zero hides them, as the settings' last 60 days always do.
  Viewer().SetFilterWindow(nullptr);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:stop", "-1:---"}));
}

TEST_F(Grouping, UnbalancedSectionsNeverLeaveTheSessionLevel) {
  LogWriter(LogFile)
      .Start()
      .Leave("stray")
      .Message("a")
      .Enter("open")
      .Message("b")
      .Stop()
      .Start()
      .Message("c")
      .Stop();
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:leave stray", "1:a", "1:enter open", "2:b", "0:stop",
                            "-1:---", "0:start", "1:c", "0:stop", "-1:---"}));
}

TEST_F(Grouping, ASessionStillBeingWrittenHasNoSeparator) {
  LogWriter(LogFile).Start().Message("a").Stop().Start().Message("b");
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:stop", "-1:---", "0:start", "1:b"}));
  EXPECT_EQ(Viewer().Sessions().Count(), 2);
  EXPECT_EQ(Viewer().CountsText(), " 6 Events in 2 Sessions, 6 Visible ");
}

}  // namespace
