// Page scrollers: the scroll their parent hears, the distance it may change, the arrows shown at
// each position and the child they move.

#include "platform/vcl/user_actions_controls.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

class PageScrollerTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    strip = Make<TPageScroller>(form, "Strip", {10, 10, 224, 30});  // 200 pixels shown
    wide = Make<TPanel>(strip, "Wide", {0, 0, 500, 30});
    strip->SetControl(wide);
    form->Handle();
    Heard();
  }

  TPageScroller* strip = nullptr;
  TPanel* wide = nullptr;
};

TEST_F(PageScrollerTest, AnArrowClickTellsTheParentAndThenMovesTheChild) {
  SimulatePageScroll(*strip, PGF_SCROLLRIGHT);
  EXPECT_EQ(Heard(), Lines{"PGN_SCROLL dir=8 by=200 at=0"});
  EXPECT_EQ(strip->Position(), 200);
  EXPECT_EQ(wide->Left(), 12 - 200);
  SimulatePageScroll(*strip, PGF_SCROLLRIGHT);
  EXPECT_EQ(strip->Position(), 300);  // no further than the child reaches
  EXPECT_FALSE(strip->ButtonVisible(sbLast));
  EXPECT_THROW(SimulatePageScroll(*strip, PGF_SCROLLRIGHT), EInvalidOperation);
  SimulatePageScroll(*strip, PGF_SCROLLLEFT);
  EXPECT_EQ(Heard(), (Lines{"PGN_SCROLL dir=8 by=200 at=200", "PGN_SCROLL dir=4 by=200 at=300"}));
  EXPECT_EQ(strip->Position(), 100);
}

TEST_F(PageScrollerTest, AnArrowThatReachedTheEndGoesWhenTheButtonIsReleased) {
  const POINT arrow = strip->ClientToScreen(strip->ButtonPoint(sbLast));
  strip->SetPosition(250);
  SimulateMouseDown(TMouseButton::mbLeft, arrow);
  ProcessPendingMessages();
  EXPECT_EQ(strip->Position(), 300);
  const HWND held = WindowFromPoint(arrow);  // the arrow's own window, no control's
  EXPECT_EQ(GetParent(held), strip->Handle());
  EXPECT_EQ(FindControl(held), nullptr);
  SimulateMouseUp(TMouseButton::mbLeft, arrow);
  ProcessPendingMessages();
  EXPECT_EQ(WindowFromPoint(arrow), strip->Handle());
}

TEST_F(PageScrollerTest, TheScrollHandlerMayChangeTheDistance) {
  strip->OnScroll = [](TObject*, NMPGSCROLL& scroll) { scroll.iScroll = 30; };
  SimulatePageScroll(*strip, PGF_SCROLLRIGHT);
  EXPECT_EQ(strip->Position(), 30);
}

TEST_F(PageScrollerTest, OnlyTheArrowsOfItsOwnAxisThatCanScrollAreThere) {
  EXPECT_FALSE(strip->ButtonVisible(sbFirst));
  EXPECT_THROW(SimulatePageScroll(*strip, PGF_SCROLLLEFT), EInvalidOperation);
  EXPECT_THROW(SimulatePageScroll(*strip, PGF_SCROLLUP), EInvalidOperation);
  // A click where the hidden arrow would be reaches the child instead.
  SimulateClickAt(*strip, strip->ButtonPoint(sbFirst));
  EXPECT_EQ(Heard(), Lines{});
  strip->SetOrientation(soVertical);
  EXPECT_THROW(SimulatePageScroll(*strip, PGF_SCROLLRIGHT), EInvalidOperation);
}

TEST_F(PageScrollerTest, PositionsStayWithinTheChildsReach) {
  strip->SetPosition(10000);
  EXPECT_EQ(strip->Position(), 300);
  strip->SetPosition(-5);
  EXPECT_EQ(strip->Position(), 0);
  EXPECT_THROW(strip->SetControl(Make<TPanel>(form, "Outside", {0, 0, 10, 10})), EInvalidOperation);
  delete wide;
  EXPECT_EQ(strip->Control(), nullptr);
  EXPECT_EQ(strip->MaxPosition(), 0);
}

}  // namespace
