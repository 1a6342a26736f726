// Track bars and up-down controls: the scroll messages their parent hears for drags, clicks and
// keys, with the position already in place at each, and the bounds of their positions.

#include "platform/vcl/user_actions_controls.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

class TrackBarTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    bar = Make<TTrackBar>(form, "Volume", {10, 10, 224, 30});  // 200 pixels of channel
    bar->SetMax(20);
    bar->SetPosition(5);
    form->Handle();
    Heard();
  }

  TTrackBar* bar = nullptr;
};

TEST_F(TrackBarTest, ADragTracksEachNewPositionAndEndsOnceWithTheFinalOne) {
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  SimulateSlide(*bar, 7);
  EXPECT_EQ(Heard(), (Lines{"H THUMBTRACK 6 at=6", "H THUMBTRACK 7 at=7", "H THUMBPOSITION 7 at=7",
                            "H ENDSCROLL at=7"}));
  EXPECT_EQ(bar->Position(), 7);
  EXPECT_EQ(changes, 4);
  EXPECT_TRUE(bar->Focused());
}

TEST_F(TrackBarTest, APressBesideTheThumbPagesTowardsIt) {
  SimulateClickAt(*bar, bar->ThumbPoint(20));
  SimulateClickAt(*bar, bar->ThumbPoint(0));
  EXPECT_EQ(Heard(),
            (Lines{"H PAGEDOWN at=7", "H ENDSCROLL at=7", "H PAGEUP at=5", "H ENDSCROLL at=5"}));
}

TEST_F(TrackBarTest, EachKeyIsAGestureEndedByItsRelease) {
  bar->SetFocus();
  bar->SetLineSize(3);
  bar->SetPageSize(4);
  Key(VK_RIGHT);
  Key(VK_PRIOR);
  Key(VK_END);
  Key(VK_RIGHT);  // at the end already: still a gesture
  EXPECT_EQ(Heard(), (Lines{"H LINEDOWN at=8", "H ENDSCROLL at=8", "H PAGEUP at=4",
                            "H ENDSCROLL at=4", "H BOTTOM at=20", "H ENDSCROLL at=20",
                            "H LINEDOWN at=20", "H ENDSCROLL at=20"}));
}

TEST_F(TrackBarTest, AVerticalBarReportsVerticallyWithItsMinimumAtTheTop) {
  auto* level = Make<TTrackBar>(form, "Level", {250, 10, 30, 224});
  level->SetOrientation(trVertical);
  level->SetMin(-5);
  level->SetMax(5);
  EXPECT_LT(level->ThumbPoint(-5).y, level->ThumbPoint(5).y);
  SimulateSlide(*level, -3);
  const Lines heard = Heard();
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back(), "V ENDSCROLL at=-3");
}

TEST_F(TrackBarTest, PositionsStayWithinTheRange) {
  bar->SetPosition(99);
  EXPECT_EQ(bar->Position(), 20);
  bar->SetMax(10);
  EXPECT_EQ(bar->Position(), 10);
  bar->SetMin(12);  // the range is empty: positions keep to the minimum
  EXPECT_EQ(bar->Position(), 12);
  EXPECT_THROW(SimulateSlide(*bar, 11), EInvalidOperation);
  EXPECT_EQ(Heard(), Lines{});
  EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0), 12);
}

TEST_F(TrackBarTest, AWideRangeLandsOnTheNearestReachablePosition) {
  bar->SetMin(INT32_MIN);
  bar->SetMax(INT32_MAX);
  bar->SetPosition(0);
  SimulateSlide(*bar, INT32_MAX);
  EXPECT_EQ(bar->Position(), INT32_MAX);
  SimulateSlide(*bar, 1000);  // less than a pixel from the middle
  EXPECT_NEAR(bar->Position(), 0, int64_t{UINT32_MAX} / 200);
}

class UpDownTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    copies = Make<TEdit>(form, "Copies", {10, 10, 60, 21});
    spin = Make<TUpDown>(form, "CopiesSpin", {70, 10, 16, 21});
    spin->SetMin(1);
    spin->SetMax(3);
    spin->SetAssociate(copies);
    form->Handle();
    Heard();
  }

  TEdit* copies = nullptr;
  TUpDown* spin = nullptr;
};

TEST_F(UpDownTest, EachArrowClickAsksMovesShowsAndEndsWithTheUpDownsWindow) {
  SimulateSpin(*spin, btNext, 1);
  EXPECT_EQ(Heard(), (Lines{"UDN_DELTAPOS pos=1 delta=1 at=1",
                            "WM_COMMAND 1024",  // the associate shows the new position
                            "WM_COMMAND 768", "V THUMBPOSITION 2 at=2", "V ENDSCROLL at=2"}));
  EXPECT_EQ(copies->Text(), "2");
  EXPECT_EQ(LOWORD(SendMessageA(spin->Handle(), UDM_GETPOS, 0, 0)), 2);
}

TEST_F(UpDownTest, ClicksStopAtTheEndsUnlessTheyWrap) {
  SimulateSpin(*spin, btNext, 4);
  EXPECT_EQ(spin->Position(), 3);
  spin->SetWrap(true);
  SimulateSpin(*spin, btNext, 1);
  EXPECT_EQ(spin->Position(), 1);
  SimulateSpin(*spin, btPrev, 1);
  EXPECT_EQ(spin->Position(), 3);
  // Every click is a gesture of its own, at the ends too.
  int ends = 0;
  for (const std::string& line : Heard()) ends += line.starts_with("V ENDSCROLL");
  EXPECT_EQ(ends, 6);
  EXPECT_THROW(SimulateSpin(*spin, btNext, 0), EInvalidOperation);
}

// A parent that answers UDN_DELTAPOS: it refuses steps (a non-zero answer) or doubles them.
class TStepJudge : public TPanel {
 public:
  using TPanel::TPanel;
  bool Refuse = false;
  void WndProc(TMessage& message) override {
    const auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (message.Msg == WM_NOTIFY && header->code == UDN_DELTAPOS) {
      reinterpret_cast<NMUPDOWN*>(message.LParam)->iDelta *= 2;
      message.Result = Refuse ? 1 : 0;
      return;
    }
    TPanel::WndProc(message);
  }
};

TEST_F(UpDownTest, TheParentMayResizeOrRefuseAStep) {
  auto* judge = Make<TStepJudge>(form, "Judge", {200, 10, 100, 100});
  auto* inner = Make<TUpDown>(judge, "Inner", {10, 10, 16, 21});
  SimulateSpin(*inner, btNext, 1);
  EXPECT_EQ(inner->Position(), 2);
  judge->Refuse = true;
  Heard();
  SimulateSpin(*inner, btNext, 1);
  EXPECT_EQ(inner->Position(), 2);
  EXPECT_EQ(Heard(), (Lines{"UDN_DELTAPOS pos=2 delta=1 at=2", "V ENDSCROLL at=2"}));
}

TEST_F(UpDownTest, ArrowKeysStepAFocusedUpDownWhenItTakesThem) {
  auto* zoom = Make<TUpDown>(form, "Zoom", {10, 60, 32, 16});
  zoom->SetOrientation(udHorizontal);
  zoom->SetFocus();
  Heard();
  Key(VK_RIGHT);
  Key(VK_LEFT);
  EXPECT_EQ(Heard(), (Lines{"UDN_DELTAPOS pos=0 delta=1 at=0", "H THUMBPOSITION 1 at=1",
                            "H ENDSCROLL at=1", "UDN_DELTAPOS pos=1 delta=-1 at=1",
                            "H THUMBPOSITION 0 at=0", "H ENDSCROLL at=0"}));
  zoom->SetArrowKeys(false);
  Key(VK_RIGHT);
  EXPECT_EQ(zoom->Position(), 0);
}

TEST_F(UpDownTest, PositionsAreSixteenBitAndWithinTheRange) {
  spin->SetPosition(50);
  EXPECT_EQ(spin->Position(), 3);
  EXPECT_EQ(copies->Text(), "3");
  spin->SetMin(-100000);
  spin->SetMax(100000);
  EXPECT_EQ(spin->Min(), -32768);
  EXPECT_EQ(spin->Max(), 32767);
  spin->SetPosition(-32768);
  EXPECT_EQ(static_cast<int16_t>(LOWORD(SendMessageA(spin->Handle(), UDM_GETPOS, 0, 0))), -32768);
  EXPECT_THROW(spin->SetAssociate(spin), EInvalidOperation);
  delete copies;  // the associate goes: the up-down forgets it
  EXPECT_EQ(spin->Associate(), nullptr);
  SimulateSpin(*spin, btNext, 1);
  EXPECT_EQ(spin->Position(), -32767);
}

}  // namespace
