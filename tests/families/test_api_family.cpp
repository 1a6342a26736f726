// The window and mouse family: what a user does to windows and with the mouse, as the log
// records it.

#include <gtest/gtest.h>

#include "families/api_events.h"
#include "platform/vcl/stdctrls.h"
#include "platform/win32/input.h"
#include "tests/support/family_fixture.h"

namespace {

// Form1 (at 100,50) holds Panel1 (at 10,20) with Button1 (at 5,5, 50x20) and Label1, which has
// no window of its own (at 100,40, 30x10).
class APIFamily : public FamilyFixture {
 protected:
  void SetUp() override {
    FamilyFixture::SetUp();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 50, 400, 300);
    panel = Child<TWinControl>(form, "Panel1", 10, 20, 200, 100);
    button = Child<TButton>(panel, "Button1", 5, 5, 50, 20);
    label = Child<TLabel>(panel, "Label1", 100, 40, 30, 10);
    form->Show();
  }

  template <typename T>
  T* Child(TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
    return PlaceControl<T>(form, parent, name, {left, top, width, height});
  }

  TForm* form = nullptr;
  TWinControl* panel = nullptr;
  TButton* button = nullptr;
  TLabel* label = nullptr;
};

// The class and display text of each record, in order.
std::vector<std::pair<std::string, std::string>> Texts(const TRecords& records) {
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto& record : records) texts.emplace_back(record->ClassName(), record->AsString());
  return texts;
}

using TTexts = std::vector<std::pair<std::string, std::string>>;

TEST_F(APIFamily, ActivatingAWindowRecordsTheActivationAndTheFocusItGives) {
  TForm* other = Application().CreateForm<TForm>();
  other->SetName("Form2");
  other->SetBounds(600, 50, 100, 100);
  other->Show();
  Start();
  SimulateFrameActivate(form->Handle());
  // The focus goes back to the form's first control in tab order, which had it before.
  EXPECT_EQ(Texts(Recorded()),
            (TTexts{{"TActivateEvent", "Form1"}, {"TSetFocusEvent", "Form1.Panel1.Button1"}}));
}

TEST_F(APIFamily, FrameButtonsRecordTheShowCommand) {
  Start();
  SimulateFrameCommand(form->Handle(), SC_MAXIMIZE);
  SimulateFrameCommand(form->Handle(), SC_RESTORE);
  SimulateFrameCommand(form->Handle(), SC_MINIMIZE);
  SimulateFrameCommand(form->Handle(), SC_RESTORE);  // a minimised form is activated again
  const TRecords records = Recorded();
  EXPECT_EQ(Texts(records), (TTexts{{"TMinMaxEvent", "Form1 (show maximized)"},
                                    {"TMinMaxEvent", "Form1 (restore)"},
                                    {"TMinMaxEvent", "Form1 (minimize)"},
                                    {"TMinMaxEvent", "Form1 (restore)"},
                                    {"TActivateEvent", "Form1"},
                                    {"TSetFocusEvent", "Form1.Panel1.Button1"}}));
  EXPECT_EQ(records[0]->GetEventName(), "minimize/maximize window");
  EXPECT_EQ(dynamic_cast<const TMinMaxEvent&>(*records[0]).Action(), "show maximized");
}

TEST_F(APIFamily, EachMoveOrSizeRecordsItsNewRectangle) {
  Start();
  SimulateFrameMoveSize(form->Handle(), {10, 20, 410, 320});
  SimulateFrameMoveSize(form->Handle(), {-30, -20, 370, 280});
  SimulateFrameMoveSize(form->Handle(), {70000, 0, 70400, 300});  // beyond 16 bits
  const TRecords records = Recorded();
  EXPECT_EQ(Texts(records), (TTexts{{"TMoveSizeEvent", "Form1 ((10,20),(410,320))"},
                                    {"TMoveSizeEvent", "Form1 ((-30,-20),(370,280))"},
                                    {"TMoveSizeEvent", "Form1 ((4464,0),(4864,300))"}}));
  TStringList lines;
  records[1]->GetPropertiesAndValues(&lines);
  EXPECT_EQ(lines.Text(),
            "EventName=move/size window\nBottom=280\nLeft=-30\nRight=370\nTickCount=500\nTop=-20\n"
            "WindowName=Form1\n");
}

TEST_F(APIFamily, AClickIsRecordedAtTheReleaseWithTheInnermostControl) {
  Start();
  TLogStream::EnableEvent("TButtonEvent", false);  // the button's own record is another family's
  // The button, the form's first control, has the focus since the form was shown; the click is
  // recorded at the release.
  SimulateMouseDown(TMouseButton::mbLeft, button->ClientToScreen({7, 3}));
  ProcessPendingMessages();
  SimulateMouseUp(TMouseButton::mbLeft, button->ClientToScreen({7, 3}));
  SimulateClick(TMouseButton::mbRight, label->ClientToScreen({2, 1}));
  SimulateClick(TMouseButton::mbLeft, form->ClientToScreen({300, 200}));
  ProcessPendingMessages();
  const TRecords records = Recorded();
  ASSERT_EQ(Texts(records), (TTexts{{"TMouseClickEvent", "Form1.Panel1.Button1"},
                                    {"TMouseClickEvent", "Form1.Panel1.Label1"},
                                    {"TMouseClickEvent", "Form1"}}));
  EXPECT_EQ(records[0]->GetEventName(), "mouse click");
  // In the client coordinates of the window under the pointer: the label has none of its own.
  const auto& onButton = dynamic_cast<const TMouseClickEvent&>(*records[0]);
  const auto& onLabel = dynamic_cast<const TMouseClickEvent&>(*records[1]);
  EXPECT_EQ(onButton.X(), 7);
  EXPECT_EQ(onButton.Y(), 3);
  EXPECT_EQ(onLabel.X(), 102);
  EXPECT_EQ(onLabel.Y(), 41);
}

TEST_F(APIFamily, ReleasesOverWindowsOfNoFrameworkControlAreNotRecorded) {
  WNDCLASSA foreign;
  foreign.lpszClassName = "ForeignView";
  RegisterClassA(foreign);
  CreateWindowExA(0, "ForeignView", "", WS_CHILD | WS_VISIBLE, 300, 200, 50, 50, form->Handle(), 0,
                  0, nullptr);
  Start();
  SimulateClick(TMouseButton::mbLeft, form->ClientToScreen({310, 210}));
  ProcessPendingMessages();
  EXPECT_TRUE(Recorded().empty());
}

TEST_F(APIFamily, FocusChangesNameTheWindowThatGainsTheFocus) {
  auto* combo = Child<TComboBox>(form, "ComboBox1", 0, 200, 100, 20);
  combo->SetText("abc");
  Start();
  TLogStream::EnableEvent("TComboBoxSelectEvent", false);  // another family's record
  SetFocus(combo->EditHandle());
  button->SetFocus();  // back to the form's first control, which had the focus
  EXPECT_EQ(Texts(Recorded()),
            (TTexts{{"TSetFocusEvent", "{Edit} \"abc\" [child of Form1.ComboBox1]"},
                    {"TSetFocusEvent", "Form1.Panel1.Button1"}}));
}

// Notifications the user cannot cause, handed to the hooks directly.
TEST_F(APIFamily, UnknownShowCommandsAndStaleWindowsAreStillRecorded) {
  Start();
  CallHookChain(WH_CBT, HCBT_MINMAX, form->Handle(), 11);
  CallHookChain(WH_CBT, HCBT_MINMAX, form->Handle(), 0x10003);  // only the low word counts
  CBTACTIVATESTRUCT activation{0, 0};
  CallHookChain(WH_CBT, HCBT_ACTIVATE, 0xC4, reinterpret_cast<LPARAM>(&activation));
  EXPECT_EQ(Texts(Recorded()), (TTexts{{"TMinMaxEvent", "Form1 (unknown show code (11))"},
                                       {"TMinMaxEvent", "Form1 (show maximized)"},
                                       {"TActivateEvent", "invalid handle [00c4]"}}));
}

TEST(ShowCommands, EachShowCommandHasItsName) {
  InitializeQVUtils();
  std::vector<std::string> names;
  for (WORD command = SW_HIDE; command <= SW_RESTORE + 1; ++command) {
    names.push_back(ShowCommandName(command));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"hide", "show normal", "show minimized",
                                             "show maximized", "show no activate", "show",
                                             "minimize", "show minimized no activate", "show na",
                                             "restore", "unknown show code (10)"}));
  EXPECT_EQ(ShowCommandName(0xFFFF), "unknown show code (65535)");
}

}  // namespace
