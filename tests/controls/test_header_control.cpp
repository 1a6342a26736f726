// Header controls: section clicks and divider drags as the parent sees them.

#include "tests/controls/views_fixture.h"

namespace {

class HeaderControlTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    header = Make<THeaderControl>(form, "Header1", {10, 10, 200, 20});
    for (auto [text, width] : {std::pair{"Name", 80}, {"Size", 40}}) {
      THeaderSection* section = header->Sections()->Add();
      section->SetText(text);
      section->SetWidth(width);
    }
    form->Handle();
    Forget();
  }

  THeaderControl* header = nullptr;
};

// The section's width follows each move: every HDN_TRACKA carries the width the section has then.
TEST_F(HeaderControlTest, DraggingADividerReportsEachMoveAndTheFinalWidth) {
  SimulateSectionResize(*header, 1, 60);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "HDN_BEGINTRACKA 1 40 'Size'",
                           "HDN_TRACKA 1 45 'Size'",
                           "HDN_TRACKA 1 50 'Size'",
                           "HDN_TRACKA 1 55 'Size'",
                           "HDN_TRACKA 1 60 'Size'",
                           "HDN_ENDTRACKA 1 60 'Size'",
                           "HDN_ITEMCHANGEDA 1 60 'Size'",
                       }));
  EXPECT_EQ(header->Sections()->Items(1)->Width(), 60);
  EXPECT_EQ(header->Sections()->Items(1)->Left(), 80);
}

// The drag keeps reaching the header beyond its right edge (the header has the mouse capture),
// and never makes a width negative.
TEST_F(HeaderControlTest, ADragBeyondTheControlKeepsTrackingAndWidthsStayPositive) {
  SimulateSectionResize(*header, 1, 300);  // the header is 200 wide
  EXPECT_EQ(header->Sections()->Items(1)->Width(), 300);
  EXPECT_EQ(Notices().back(), "HDN_ITEMCHANGEDA 1 300 'Size'");
  header->Sections()->Items(1)->SetWidth(40);
  SimulateUserDrag(*header, {120, 10}, {-50, 10});
  EXPECT_EQ(header->Sections()->Items(1)->Width(), 0);
  EXPECT_EQ(Notices().back(), "HDN_ITEMCHANGEDA 1 0 'Size'");
  EXPECT_EQ(GetCapture(), 0);
  // The narrowed section's divider lies over the first one's, and is the one a press grabs.
  EXPECT_THROW(SimulateSectionResize(*header, 0, 50), EInvalidOperation);
  SimulateSectionResize(*header, 1, 10);
  EXPECT_EQ(header->Sections()->Items(1)->Width(), 10);
}

TEST_F(HeaderControlTest, AClickOnASectionIsReportedOnlyWhenReleasedOverIt) {
  SimulateSectionClick(*header, 0);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"HDN_ITEMCLICKA 0 80 'Name'"}));
  SimulateUserDrag(*header, {40, 10}, {100, 10});  // pressed on one section, released on the other
  EXPECT_TRUE(Notices().empty());
  EXPECT_EQ(header->Sections()->Items(0)->Width(), 80);
  EXPECT_THROW(SimulateSectionClick(*header, 2), EInvalidOperation);
  EXPECT_EQ(SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 2);
}

// Sections taken away while the divider is held: the release ends nothing.
TEST_F(HeaderControlTest, SectionsClearedDuringADragEndIt) {
  SimulateMouseDown(TMouseButton::mbLeft, header->ClientToScreen({120, 10}));
  ProcessPendingMessages();
  header->Sections()->Clear();
  SimulateMouseUp(TMouseButton::mbLeft, header->ClientToScreen({150, 10}));
  ProcessPendingMessages();
  EXPECT_EQ(Notices(), (std::vector<std::string>{"HDN_BEGINTRACKA 1 40 'Size'"}));
  EXPECT_EQ(GetCapture(), 0);
}

}  // namespace
