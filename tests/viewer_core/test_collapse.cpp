// Collapsing and expanding groups in the visible rows, and the cases that beep.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

class Collapsing : public ViewerFixture {
 protected:
  // start, a, enter s, b, c, leave s, d, stop, ---
  void LoadOneSession() {
    LogWriter(LogFile)
        .Start()
        .Message("a")
        .Enter("s")
        .Message("b")
        .Message("c")
        .Leave("s")
        .Message("d")
        .Stop();
    ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  }
};

TEST_F(Collapsing, AGroupCollapsesFromItsFirstRowThroughItsEndMarker) {
  LoadOneSession();
  EXPECT_EQ(Viewer().Collapse(2), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter s", "1:d", "0:stop", "-1:---"}));
  EXPECT_EQ(Viewer().Selected(), 2);
  EXPECT_EQ(Viewer().Focused(), 2);
  EXPECT_EQ(Viewer().RowTexts(2).Image, kCollapsedGroupImage);

  EXPECT_EQ(Viewer().Toggle(2), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows().size(), 9u);
  EXPECT_EQ(Viewer().RowTexts(2).Image, kExpandedGroupImage);
  EXPECT_EQ(Viewer().Toggle(2), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows().size(), 6u);
}

TEST_F(Collapsing, TheEndRowOfAGroupCollapsesTheWholeGroup) {
  LoadOneSession();
  EXPECT_EQ(Viewer().Collapse(5), TGroupEdit::ceChanged);  // leave s
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter s", "1:d", "0:stop", "-1:---"}));
  EXPECT_EQ(Viewer().Selected(), 2);

  EXPECT_EQ(Viewer().Collapse(4), TGroupEdit::ceChanged);  // stop
  EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---"}));
  EXPECT_EQ(Viewer().Records()[0].State, esCollapsed);
}

TEST_F(Collapsing, ExpandingKeepsNestedGroupsCollapsed) {
  LoadOneSession();
  Viewer().Collapse(2);
  Viewer().Collapse(0);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "-1:---"}));
  EXPECT_EQ(Viewer().Expand(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:a", "1:enter s", "1:d", "0:stop", "-1:---"}));
}

TEST_F(Collapsing, OnlyGroupRowsInTheRightStateReact) {
  LoadOneSession();
  EXPECT_EQ(Viewer().Collapse(1), TGroupEdit::ceIgnored);  // a plain row
  EXPECT_EQ(Viewer().Expand(2), TGroupEdit::ceIgnored);    // already expanded
  EXPECT_EQ(Viewer().Collapse(-1), TGroupEdit::ceIgnored);
  EXPECT_EQ(Viewer().Collapse(99), TGroupEdit::ceIgnored);
  EXPECT_EQ(Viewer().Expand(99), TGroupEdit::ceIgnored);
  EXPECT_EQ(Viewer().Toggle(1), TGroupEdit::ceIgnored);
  EXPECT_EQ(Viewer().Toggle(99), TGroupEdit::ceIgnored);
  EXPECT_EQ(Rows().size(), 9u);
}

TEST_F(Collapsing, GroupsWithoutABoundaryBeepAndStayAsTheyAre) {
  LogWriter(LogFile).Start().Enter("empty").Leave("empty").Message("a").Stop().Start().Message("b");
  Viewer().Load(LogFile);
  // start, enter empty, leave empty, a, stop, ---, start, b: the second session is still open.
  EXPECT_EQ(Viewer().Collapse(1), TGroupEdit::ceBeep);  // nothing inside
  EXPECT_EQ(Viewer().Collapse(6), TGroupEdit::ceBeep);  // no end before the end of the list
  EXPECT_EQ(Rows().size(), 8u);
  for (const TEventEntry& entry : Viewer().Records()) EXPECT_NE(entry.State, esCollapsed);
}

TEST_F(Collapsing, AnEndRowWhoseStartIsHiddenBeeps) {
  LoadOneSession();
  Viewer();
  Settings.SetEnabled("TEnterSectionEvent", false);
  Viewer().RebuildView(false);
  // start, a, b, c, leave s, d, stop, ---: above "leave s" the walk meets the plain row a.
  EXPECT_EQ(Viewer().Collapse(4), TGroupEdit::ceBeep);

  Settings.SetEnabled("TEnterSectionEvent", true);
  Settings.SetEnabled("TStartSessionEvent", false);
  Viewer().RebuildView(false);
  // a, enter s, b, c, leave s, d, stop, ---: above "stop" the walk runs past the top.
  EXPECT_EQ(Viewer().Collapse(6), TGroupEdit::ceBeep);
  EXPECT_EQ(Rows().size(), 8u);
}

TEST_F(Collapsing, AnOpenSectionEndsBeforeTheEndOfItsSession) {
  LogWriter(LogFile).Start().Enter("open").Message("a").Stop().Start().Message("b").Stop();
  Viewer().Load(LogFile);
  EXPECT_EQ(Viewer().Collapse(1), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:enter open", "0:stop", "-1:---", "0:start", "1:b",
                            "0:stop", "-1:---"}));
  EXPECT_EQ(Viewer().Expand(1), TGroupEdit::ceChanged);
  EXPECT_EQ(Rows().size(), 8u + 1);
}

struct RecordingObserver : TEventViewObserver {
  void RowsAboutToBeRemoved(int first, int last) override {
    Calls.push_back(Range("-", first, last));
  }
  void RowsAboutToBeInserted(int first, int last) override {
    Calls.push_back(Range("+", first, last));
  }
  void RowsChanged(int first) override { Calls.push_back("changed " + std::to_string(first)); }
  static std::string Range(const char* sign, int first, int last) {
    return sign + std::to_string(first) + ".." + std::to_string(last);
  }
  std::vector<std::string> Calls;
};

TEST_F(Collapsing, ObserversHearWhichRowsGoAndCome) {
  LoadOneSession();
  RecordingObserver observer;
  Viewer().AddObserver(&observer);
  Viewer().Collapse(2);
  Viewer().Expand(2);
  EXPECT_EQ(observer.Calls, (std::vector<std::string>{"-3..5", "changed 2", "+3..5", "changed 2"}));
  Viewer().RemoveObserver(&observer);
}

}  // namespace
