// Row texts, images and drawing attributes, status texts, and moving to records of one class.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

class RowsAndTexts : public ViewerFixture {
 protected:
  // start, a, enter s, -, b, leave s, stop, ---
  void SetUp() override {
    LogWriter(LogFile)
        .At(1000)
        .Start()
        .At(1500)
        .Message("a")
        .Enter("s")
        .Separator()
        .Message("b")
        .Leave("s")
        .Stop();
    Viewer();
    Settings.SetDateTimeFormat("hh:nn:ss.zzz");
    Viewer().Load(LogFile);
  }
};

TEST_F(RowsAndTexts, ARowShowsTimeEventNameDataIndentAndImage) {
  const TRowTexts message = Viewer().RowTexts(1);
  EXPECT_EQ(message.Time, "00:00:00.500");
  EXPECT_EQ(message.EventName, Viewer().Records()[1].Class->GetEventName());
  EXPECT_EQ(message.Data, "a");
  EXPECT_EQ(message.Indent, 1);
  EXPECT_EQ(message.Image, 3);

  EXPECT_EQ(Viewer().RowTexts(0).Image, kExpandedGroupImage);
  EXPECT_EQ(Viewer().RowTexts(6).Image, kExpandedGroupImage);
  EXPECT_EQ(Viewer().RowTexts(3).Image, -1);  // separators show none
  EXPECT_EQ(Viewer().RowTexts(7).Indent, -1);
  Viewer().Collapse(2);
  EXPECT_EQ(Viewer().RowTexts(2).Image, kCollapsedGroupImage);
}

TEST_F(RowsAndTexts, ARowThatDoesNotExistIsAnInternalFailure) {
  for (const int row : {-1, 8}) {
    try {
      Viewer().RowTexts(row);
      FAIL() << row;
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), kVirtualModeCorruptedText);
    }
  }
}

TEST_F(RowsAndTexts, SeparatorsAreDrawnAsLinesAndRecordsInTheirClassLook) {
  EXPECT_EQ(Viewer().RowLook(3).Kind, TRowKind::rkSeparator);
  EXPECT_EQ(Viewer().RowLook(7).Kind, TRowKind::rkInsertedSeparator);
  Settings.SetAttributes("TUserMessageEvent", {0x0000FF, true, false});
  const TRowLook look = Viewer().RowLook(1);
  EXPECT_EQ(look.Kind, TRowKind::rkRecord);
  EXPECT_EQ(look.Attributes, (TEventUIDefaults{0x0000FF, true, false}));
}

TEST_F(RowsAndTexts, StatusTextsCountRowsAndPlaceTheFocusedRowInItsSession) {
  EXPECT_EQ(Viewer().CountsText(), " 8 Events in 1 Sessions, 8 Visible ");
  EXPECT_EQ(Viewer().SessionPositionText(), "");
  Viewer().Select(4);
  EXPECT_EQ(Viewer().SessionPositionText(), "Event 5 of 8 in session 1 started at 00:00:00.000");
  EXPECT_EQ(Viewer().Caption(), "Oxlane - " + LogFile);
  EXPECT_EQ(NextEventCaption("user message"), "&Next user message event");
  EXPECT_EQ(PreviousEventCaption("user message"), "&Previous user message event");
  EXPECT_EQ(FileChangedQuestion("/x.evt"), "/x.evt has changed.\rReload the event log file?");
}

TEST_F(RowsAndTexts, NextAndPreviousFindTheSameClassOnly) {
  EXPECT_EQ(Viewer().FindSameClass(1), -1);  // nothing selected
  Viewer().Select(1);
  EXPECT_EQ(Viewer().FindSameClass(1), 4);
  EXPECT_EQ(Viewer().FindSameClass(-1), -1);
  Viewer().Select(3);  // the logged separator finds the inserted one: the same class
  EXPECT_EQ(Viewer().FindSameClass(1), 7);
  Viewer().Select(2);  // enter s: leave s is a sibling class, not the same
  EXPECT_EQ(Viewer().FindSameClass(1), -1);
}

}  // namespace
