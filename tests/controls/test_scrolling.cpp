// Scroll bars and scrolling containers: the scroll messages of thumb drags, clicks and keys, and
// the positions they lead to.

#include <limits>
#include <set>

#include "tests/controls/controls_fixture.h"

namespace {

class ScrollingTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar = Make<TScrollBar>(form, "Bar1", {10, 10, 216, 16});  // 150 pixels of thumb travel
    bar->SetMax(150);
    bar->SetLargeChange(10);
    form->Handle();
    Forget();
  }

  // The scroll messages sent, as (message, code, thumb position, lParam).
  static std::vector<std::tuple<UINT, WORD, WORD, LPARAM>> Scrolls() {
    std::vector<std::tuple<UINT, WORD, WORD, LPARAM>> found;
    for (const Seen& s : SentOf({WM_HSCROLL, WM_VSCROLL}))
      found.emplace_back(s.message, LOWORD(s.wParam), HIWORD(s.wParam), s.lParam);
    return found;
  }
  static void Drag(const TControl& control, POINT from, POINT to) {
    SimulateMouseDown(TMouseButton::mbLeft, control.ClientToScreen(from));
    SimulateMouseUp(TMouseButton::mbLeft, control.ClientToScreen(to));
    ProcessPendingMessages();
  }

  TScrollBar* bar = nullptr;
};

TEST_F(ScrollingTest, DraggingTheThumbReportsTrackPositionAndEndAtTheRelease) {
  std::vector<int> positionsSeen;
  bar->OnChange = [&](TObject*) { positionsSeen.push_back(bar->Position()); };
  Drag(*bar, bar->ThumbPoint(0), bar->ThumbPoint(90));
  const auto handle = static_cast<LPARAM>(bar->Handle());
  EXPECT_EQ(Scrolls(), (std::vector<std::tuple<UINT, WORD, WORD, LPARAM>>{
                           {WM_HSCROLL, SB_THUMBTRACK, 90, handle},
                           {WM_HSCROLL, SB_THUMBPOSITION, 90, handle},
                           {WM_HSCROLL, SB_ENDSCROLL, 0, handle}}));
  EXPECT_EQ(bar->Position(), 90);
  EXPECT_EQ(positionsSeen, std::vector<int>{90});
}

TEST_F(ScrollingTest, ADraggedThumbIsTrackedAtEachMoveThatChangesItsPosition) {
  std::vector<int> positionsWhileHeld;
  bar->OnChange = [&](TObject*) {
    if (GetKeyState(VK_LBUTTON) < 0) positionsWhileHeld.push_back(bar->Position());
  };
  SimulateMouseMove(bar->ClientToScreen(bar->ThumbPoint(50)));  // no button held
  SimulateMouseDown(TMouseButton::mbLeft, bar->ClientToScreen(bar->ThumbPoint(0)));
  for (int position : {40, 40, 90})
    SimulateMouseMove(bar->ClientToScreen(bar->ThumbPoint(position)));
  ProcessPendingMessages();
  SimulateMouseUp(TMouseButton::mbLeft, bar->ClientToScreen(bar->ThumbPoint(90)));
  ProcessPendingMessages();
  const auto handle = static_cast<LPARAM>(bar->Handle());
  EXPECT_EQ(Scrolls(), (std::vector<std::tuple<UINT, WORD, WORD, LPARAM>>{
                           {WM_HSCROLL, SB_THUMBTRACK, 40, handle},
                           {WM_HSCROLL, SB_THUMBTRACK, 90, handle},
                           {WM_HSCROLL, SB_THUMBPOSITION, 90, handle},
                           {WM_HSCROLL, SB_ENDSCROLL, 0, handle}}));
  EXPECT_EQ(positionsWhileHeld, (std::vector<int>{40, 90}));
}

TEST_F(ScrollingTest, ArrowsTrackAndKeysScrollByTheirSteps) {
  Click(*bar);  // on the track after the thumb: a page
  EXPECT_EQ(bar->Position(), 10);
  SimulateClick(TMouseButton::mbLeft, bar->ClientToScreen({2, 8}));  // the left arrow
  ProcessPendingMessages();
  EXPECT_EQ(bar->Position(), 9);
  Forget();
  Key(VK_END);
  Key(VK_RIGHT);  // already at the end
  EXPECT_EQ(bar->Position(), 150);
  std::vector<WORD> codes;
  for (const auto& scroll : Scrolls()) codes.push_back(std::get<1>(scroll));
  EXPECT_EQ(codes, (std::vector<WORD>{SB_BOTTOM, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL}));
}

// A bar over the whole 32-bit range, with steps as long: the thumb's geometry and the steps are
// taken wide enough, so every position and step lands within the range.
TEST_F(ScrollingTest, ABarOverTheWholeIntegerRangeScrollsWithinIt) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  bar->SetMin(kMin);
  bar->SetMax(kMax);
  bar->SetSmallChange(kMax);
  bar->SetLargeChange(kMax);
  EXPECT_EQ(bar->ThumbPoint(kMin).x, 24);  // just after the left arrow
  EXPECT_EQ(bar->ThumbPoint(0).x, 24 + 84);
  EXPECT_EQ(bar->ThumbPoint(kMax).x, 24 + 168);  // just before the right arrow
  bar->SetFocus();
  Key(VK_HOME);
  EXPECT_EQ(bar->Position(), kMin);
  Key(VK_LEFT);
  EXPECT_EQ(bar->Position(), kMin);
  Key(VK_NEXT);
  EXPECT_EQ(bar->Position(), -1);
  Key(VK_END);
  Key(VK_RIGHT);
  EXPECT_EQ(bar->Position(), kMax);
  Drag(*bar, bar->ThumbPoint(kMax), {bar->Width() + 100, 8});  // beyond the end of the track
  EXPECT_EQ(bar->Position(), kMax);

  bar->SetMin(10);  // a maximum below the minimum: every position is the minimum
  bar->SetMax(-10);
  EXPECT_EQ(bar->ThumbPoint(0).x, bar->ThumbPoint(10).x);
  Key(VK_END);
  EXPECT_EQ(bar->Position(), 10);
}

TEST_F(ScrollingTest, AVerticalBarReportsVerticalScrolls) {
  bar->SetKind(sbVertical);
  bar->SetBounds(300, 10, 16, 216);
  Drag(*bar, bar->ThumbPoint(0), bar->ThumbPoint(30));
  ASSERT_EQ(Scrolls().size(), 3u);
  EXPECT_EQ(std::get<0>(Scrolls()[2]), WM_VSCROLL);
  EXPECT_EQ(bar->Position(), 30);
}

TEST_F(ScrollingTest, AScrollBoxScrollsItsControlsWithItsOwnBar) {
  auto* box = Make<TScrollBox>(form, "Box1", {10, 40, 200, 100});
  auto* inner = Make<TButton>(box, "Far", {10, 250, 75, 25});  // reaches 275: 175 to scroll
  EXPECT_EQ(box->VertScrollBar()->MaxPosition(), 175);
  EXPECT_EQ(box->HorzScrollBar()->MaxPosition(), 0);
  Forget();
  Drag(*box, box->VertScrollBar()->ThumbPoint(0), box->VertScrollBar()->ThumbPoint(175));
  EXPECT_EQ(Scrolls(), (std::vector<std::tuple<UINT, WORD, WORD, LPARAM>>{
                           {WM_VSCROLL, SB_THUMBTRACK, 175, 0},
                           {WM_VSCROLL, SB_THUMBPOSITION, 175, 0},
                           {WM_VSCROLL, SB_ENDSCROLL, 0, 0}}));
  EXPECT_EQ(gSent.back().hwnd, box->Handle());
  EXPECT_EQ(box->VertScrollBar()->Position(), 175);
  EXPECT_EQ(inner->Top(), 75);
  EXPECT_EQ(box->VertScrollBar()->Range(), 275);

  Forget();
  SimulateScrollTo(*box, 0);  // dragged back in steps, tracked on the way
  const auto scrolls = Scrolls();
  const auto tracks = std::count_if(scrolls.begin(), scrolls.end(),
                                    [](const auto& s) { return std::get<1>(s) == SB_THUMBTRACK; });
  EXPECT_GT(tracks, 1);
  EXPECT_EQ(scrolls.back(), std::make_tuple(WM_VSCROLL, SB_ENDSCROLL, WORD{0}, LPARAM{0}));
  EXPECT_EQ(inner->Top(), 250);
}

// A drag of a scroll box's thumb lands on every position that some point of the bar gives, and
// on the nearest such position otherwise: here 220 positions share 32 pixels of thumb travel.
TEST_F(ScrollingTest, AScrollBoxThumbDragLandsOnTheRequestedPositionWhenAPixelGivesIt) {
  auto* box = Make<TScrollBox>(form, "Box1", {10, 40, 200, 80});
  Make<TPanel>(box, "Tall", {0, 0, 160, 300});
  const TControlScrollBar& vert = *box->VertScrollBar();
  ASSERT_EQ(vert.MaxPosition(), 220);
  std::set<int> reachable;
  for (int y = 0; y < box->Height(); ++y) {
    Drag(*box, vert.ThumbPoint(vert.Position()), {vert.ThumbPoint(0).x, y});
    reachable.insert(vert.Position());
  }
  for (int wanted = 0; wanted <= 220; ++wanted) {
    SimulateScrollTo(*box, wanted);
    const int landed = vert.Position();
    if (reachable.contains(wanted)) {
      EXPECT_EQ(landed, wanted);
    } else {
      const auto above = reachable.upper_bound(wanted);
      const int nearest = std::min(*above - wanted, wanted - *std::prev(above));
      EXPECT_EQ(std::abs(landed - wanted), nearest) << wanted;
    }
  }
}

}  // namespace
