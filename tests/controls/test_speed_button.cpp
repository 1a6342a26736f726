// Speed buttons: clicks through the parent's window, presses that end elsewhere, actions, groups
// that stay down, mnemonics and form files.

#include "platform/vcl/form_files.h"
#include "tests/controls/additional_controls_fixture.h"

namespace {

class SpeedButtonTest : public AdditionalControlsTest {
 protected:
  void SetUp() override {
    AdditionalControlsTest::SetUp();
    panel = Make<TPanel>(form, "Panel1", {10, 10, 300, 40});
    bold = AddButton("BoldBtn", "&Bold", 0);
    italic = AddButton("ItalicBtn", "&Italic", 30);
    form->Handle();
  }

  TSpeedButton* AddButton(const char* name, const char* caption, int left) {
    auto* button = Make<TSpeedButton>(panel, name, {left, 5, 25, 25});
    button->SetCaption(caption);
    button->OnClick = Note(std::string("click ") + name);
    return button;
  }

  static POINT CentreOf(const TControl& control) { return Centre(control); }
  // Each step is taken by the program before the next, as a hand gives them.
  static void Press(POINT point) {
    SimulateMouseDown(TMouseButton::mbLeft, point);
    ProcessPendingMessages();
  }
  static void MoveTo(POINT point) {
    SimulateMouseMove(point);
    ProcessPendingMessages();
  }
  static void Release(POINT point) {
    SimulateMouseUp(TMouseButton::mbLeft, point);
    ProcessPendingMessages();
  }

  TPanel* panel = nullptr;
  TSpeedButton* bold = nullptr;
  TSpeedButton* italic = nullptr;
};

TEST_F(SpeedButtonTest, APressAndAReleaseOverTheButtonClickItAtTheRelease) {
  Press(CentreOf(*bold));
  EXPECT_TRUE(bold->Pressed());
  EXPECT_TRUE(Happened().empty());
  // The mouse goes to the panel's window, which hands it to the button.
  EXPECT_EQ(GetCapture(), panel->Handle());
  Release(CentreOf(*bold));
  EXPECT_EQ(Happened(), std::vector<std::string>{"click BoldBtn"});
  EXPECT_FALSE(bold->Pressed());
  EXPECT_EQ(GetCapture(), HWND{0});
}

// The pressed button keeps the mouse until the release, so the other button never hears it.
TEST_F(SpeedButtonTest, APressOnOneButtonAndAReleaseOnAnotherClickNeither) {
  Press(CentreOf(*bold));
  MoveTo(CentreOf(*italic));
  Release(CentreOf(*italic));
  EXPECT_TRUE(Happened().empty());
  EXPECT_FALSE(bold->Pressed());
  // Off the button and back before the release is still a click; a release outside the panel is
  // not.
  Press(CentreOf(*italic));
  MoveTo(CentreOf(*bold));
  MoveTo(CentreOf(*italic));
  Release(CentreOf(*italic));
  Press(CentreOf(*bold));
  Release(form->ClientToScreen({350, 200}));
  EXPECT_EQ(Happened(), std::vector<std::string>{"click ItalicBtn"});
  // A press that began elsewhere does not end in a click on the button.
  Press(panel->ClientToScreen({200, 20}));
  Release(CentreOf(*bold));
  EXPECT_TRUE(Happened().empty());
  Click(*bold);
  EXPECT_EQ(Happened(), std::vector<std::string>{"click BoldBtn"});
}

// Another window that takes the mouse before the release ends the button's press.
TEST_F(SpeedButtonTest, APressWhoseCaptureIsLostClicksNothing) {
  Press(CentreOf(*bold));
  SetCapture(form->Handle());
  Release(CentreOf(*bold));  // to the form, which has the mouse now
  ReleaseCapture();
  Release(CentreOf(*bold));
  EXPECT_TRUE(Happened().empty());
  EXPECT_FALSE(bold->Pressed());
}

TEST_F(SpeedButtonTest, ADisabledButtonIsNotHitAndClicksNothing) {
  bold->SetEnabled(false);
  const POINT inPanel{bold->Left() + 2, bold->Top() + 2};
  EXPECT_EQ(panel->ControlAtPos(inPanel, false), nullptr);
  EXPECT_EQ(panel->ControlAtPos(inPanel, true), bold);
  Click(*bold);
  Key('B', false, false, true);
  EXPECT_TRUE(Happened().empty());
  // Disabled between the press and the release: no click either.
  bold->SetEnabled(true);
  Press(CentreOf(*bold));
  bold->SetEnabled(false);
  Release(CentreOf(*bold));
  EXPECT_TRUE(Happened().empty());
}

TEST_F(SpeedButtonTest, TheActionGivesCaptionAndStateAndRunsWithoutAnOnClick) {
  auto* actions = new TActionList(form);
  auto* action = new TAction(form);
  action->SetActionList(actions);
  action->SetCaption("&Underline");
  action->OnExecute = Note("execute");
  bold->OnClick = nullptr;
  bold->SetAction(action);
  EXPECT_EQ(bold->Caption(), "&Underline");
  Click(*bold);
  EXPECT_EQ(Happened(), std::vector<std::string>{"execute"});
  action->SetEnabled(false);
  EXPECT_FALSE(bold->Enabled());
  Click(*bold);
  EXPECT_TRUE(Happened().empty());
  action->SetEnabled(true);
  bold->OnClick = Note("own click");  // an OnClick of its own comes first
  Click(*bold);
  EXPECT_EQ(Happened(), std::vector<std::string>{"own click"});
  delete action;
  EXPECT_EQ(bold->Action(), nullptr);
  Click(*bold);
  EXPECT_EQ(Happened(), std::vector<std::string>{"own click"});
}

TEST_F(SpeedButtonTest, ButtonsOfAGroupStayDownOneAtATime) {
  auto* underline = AddButton("UnderlineBtn", "&Underline", 60);
  for (TSpeedButton* button : {bold, italic}) button->SetGroupIndex(1);
  underline->SetDown(true);
  EXPECT_FALSE(underline->Down());  // outside a group a button never stays down
  Click(*bold);
  EXPECT_TRUE(bold->Down());
  Click(*italic);
  EXPECT_TRUE(italic->Down());
  EXPECT_FALSE(bold->Down());
  Click(*italic);  // the down one stays down, and still clicks
  EXPECT_TRUE(italic->Down());
  italic->SetDown(false);
  EXPECT_TRUE(italic->Down());
  EXPECT_EQ(Happened(),
            (std::vector<std::string>{"click BoldBtn", "click ItalicBtn", "click ItalicBtn"}));
  italic->SetAllowAllUp(true);
  Click(*italic);
  EXPECT_FALSE(italic->Down());
  // Another group, or no group, is left alone.
  underline->SetGroupIndex(2);
  underline->SetDown(true);
  bold->SetDown(true);
  EXPECT_TRUE(underline->Down());
  bold->SetGroupIndex(0);
  EXPECT_FALSE(bold->Down());
}

TEST_F(SpeedButtonTest, TheMnemonicClicksTheButtonOfAShownEnabledParent) {
  Key('I', false, false, true);
  EXPECT_EQ(Happened(), std::vector<std::string>{"click ItalicBtn"});
  panel->SetEnabled(false);
  Key('I', false, false, true);
  panel->SetEnabled(true);
  italic->SetVisible(false);
  Key('I', false, false, true);
  EXPECT_TRUE(Happened().empty());
}

TEST_F(SpeedButtonTest, FormFilesGiveTheGroupBeforeTheDownState) {
  auto components = ReadComponentsText(R"(object Tools: TForm
  object AlignLeft: TSpeedButton
    Down = True
    GroupIndex = 3
    Caption = '&Left'
  end
  object AlignRight: TSpeedButton
    Left = 25
    GroupIndex = 3
    AllowAllUp = True
    Flat = True
  end
end
)",
                                       "tools.dfm");
  auto& left = dynamic_cast<TSpeedButton&>(*components[0]->FindComponent("AlignLeft"));
  auto& right = dynamic_cast<TSpeedButton&>(*components[0]->FindComponent("AlignRight"));
  EXPECT_TRUE(left.Down());
  EXPECT_EQ(left.GroupIndex(), 3);
  EXPECT_TRUE(right.AllowAllUp());
  EXPECT_TRUE(right.Flat());
  EXPECT_EQ(right.Width(), 23);
  const std::string written = WriteComponentText(*components[0]);
  EXPECT_NE(written.find("    Caption = '&Left'\n    GroupIndex = 3\n    Down = True\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(WriteComponentText(*ReadComponentsText(written, "again.dfm")[0]), written);
}

}  // namespace
