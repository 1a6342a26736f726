// A session without an end row (its host crashed) followed by a normal session: the next
// session's start row is never part of the crashed one, when collapsing, expanding or hiding the
// rows of a collapsed group.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

class CrashedSession : public ViewerFixture {
 protected:
  // start, a, start, b, stop, --- : the first session ends without a stop row.
  void LoadCrashedThenNormal() {
    LogWriter(LogFile).Start().Message("a");
    LogWriter(LogFile).Start().Message("b").Stop();
    ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  }
  // start, enter s, a, start, b, stop, --- : a section is open when the host crashes.
  void LoadCrashedInSectionThenNormal() {
    LogWriter(LogFile).Start().Enter("s").Message("a");
    LogWriter(LogFile).Start().Message("b").Stop();
    ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  }
  static constexpr const char* kNormalSession[] = {"0:start", "1:b", "0:stop", "-1:---"};
  static ::Rows WithNormalSession(::Rows rows) {
    rows.insert(rows.end(), std::begin(kNormalSession), std::end(kNormalSession));
    return rows;
  }
};

TEST_F(CrashedSession, CollapsingItEndsBeforeTheNextSessionsStart) {
  LoadCrashedThenNormal();
  EXPECT_EQ(Viewer().Collapse(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start"}));
  EXPECT_EQ(Viewer().Records()[2].State, esExpanded);  // the next session is untouched

  EXPECT_EQ(Viewer().Expand(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start", "1:a"}));

  // The next session collapses on its own, from its start row and from its end row.
  EXPECT_EQ(Viewer().Collapse(2), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:start", "-1:---"}));
  Viewer().Expand(2);
  EXPECT_EQ(Viewer().Collapse(4), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:start", "-1:---"}));
  EXPECT_EQ(Viewer().Records()[0].State, esExpanded);
}

TEST_F(CrashedSession, TheNextSessionStaysVisibleBelowTheCollapsedOne) {
  LoadCrashedThenNormal();
  Viewer().Collapse(0);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start"}));
  Viewer().Collapse(1);
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "0:start", "-1:---"}));
  Viewer().Expand(0);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:start", "-1:---"}));
}

TEST_F(CrashedSession, AStartRowBelowDeeperRowsOpensAGroupAndEndsNone) {
  LoadCrashedThenNormal();
  Settings.SetEnabled("TStopSessionEvent", false);
  Settings.SetEnabled("TSeparatorEvent", false);
  Viewer().RebuildView(false);
  // start, a, start, b: the second start row has a deeper row above it, yet it is no end row.
  EXPECT_EQ(Viewer().Collapse(2), TGroupEdit::ceBeep);  // its own group has no end row in sight
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "0:start", "1:b"}));
  EXPECT_EQ(Viewer().Records()[0].State, esExpanded);
}

TEST_F(CrashedSession, AnOpenSectionAndItsSessionEndBeforeTheNextSession) {
  LoadCrashedInSectionThenNormal();
  EXPECT_EQ(Viewer().Collapse(1), TGroupEdit::ceChanged);  // enter s
  EXPECT_EQ(Rows(), WithNormalSession({"0:start", "1:enter s"}));
  EXPECT_EQ(Viewer().Collapse(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start"}));

  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start"}));
  Viewer().Expand(0);  // the section inside stays collapsed
  EXPECT_EQ(Rows(), WithNormalSession({"0:start", "1:enter s"}));
  Viewer().Expand(1);
  EXPECT_EQ(Rows(), WithNormalSession({"0:start", "1:enter s", "2:a"}));
}

TEST_F(CrashedSession, AReloadCollapsesTheCrashedSessionAlone) {
  LoadCrashedThenNormal();
  LogWriter(LogFile).Start().Message("c").Stop();
  Viewer().Load(LogFile);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "0:start", "-1:---", "0:start", "1:c", "0:stop", "-1:---"}));
  EXPECT_EQ(Viewer().Selected(), 1);
}

}  // namespace
