// The user actions of the host simulator on lists and scroll bars, Tab between controls, frame
// actions on a form with a menu, and windows of foreign classes beside the framework's.

#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions.h"
#include "tests/controls/controls_fixture.h"

namespace {

class UserActionsTest : public ControlsTest {};

TEST_F(UserActionsTest, ListChoicesClickTheItemOfEachKindOfList) {
  auto* list = Make<TListBox>(form, "List1", {10, 10, 100, 32});  // two rows
  auto* combo = Make<TComboBox>(form, "Combo1", {120, 10, 100, 21});
  auto* group = Make<TRadioGroup>(form, "Group1", {230, 10, 100, 100});
  for (const char* item : {"a", "b", "c", "d"}) {
    list->Items()->Add(item);
    combo->Items()->Add(item);
    group->Items()->Add(item);
  }
  SimulateListChoice(*list, 3);  // scrolled into view first
  EXPECT_EQ(list->ItemIndex(), 3);
  SimulateListChoice(*combo, 2);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_FALSE(combo->DroppedDown());
  SimulateListChoice(*group, 1);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_THROW(SimulateListChoice(*list, 4), EInvalidOperation);
  EXPECT_THROW(SimulateListChoice(*form, 0), EInvalidOperation);
}

TEST_F(UserActionsTest, ScrollingDragsTheThumbOfABarOrOfAScrollBox) {
  auto* bar = Make<TScrollBar>(form, "Bar1", {10, 10, 200, 16});
  SimulateScrollTo(*bar, 40);
  EXPECT_EQ(bar->Position(), 40);
  auto* box = Make<TScrollBox>(form, "Box1", {10, 40, 200, 100});
  EXPECT_THROW(SimulateScrollTo(*box, 10), EInvalidOperation);  // nothing to scroll yet
  Make<TButton>(box, "Far", {10, 130, 75, 25});
  SimulateScrollTo(*box, 55);
  EXPECT_EQ(box->VertScrollBar()->Position(), 55);
}

TEST_F(UserActionsTest, TabMovesTheFocusThroughTheControlsOfTheForm) {
  auto* first = Make<TEdit>(form, "First", {10, 10, 100, 21});
  auto* panel = Make<TPanel>(form, "Panel1", {10, 40, 200, 100});
  auto* second = Make<TButton>(panel, "Second", {10, 10, 75, 25});
  auto* third = Make<TCheckBox>(form, "Third", {10, 150, 100, 20});
  first->SetFocus();
  Key(VK_TAB);
  EXPECT_TRUE(second->Focused());
  Key(VK_TAB);
  EXPECT_TRUE(third->Focused());
  Key(VK_TAB);
  EXPECT_TRUE(first->Focused());
}

TEST_F(UserActionsTest, AFormWithAMenuFollowsItsFrame) {
  auto* menu = new TMainMenu(form);
  form->SetMenu(menu);
  SimulateFrameMoveSize(form->Handle(), {50, 60, 450, 360});
  EXPECT_EQ(form->Left(), 50);
  EXPECT_EQ(form->Width(), 400);
  SimulateFrameCommand(form->Handle(), SC_MAXIMIZE);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  SimulateFrameCommand(form->Handle(), SC_MINIMIZE);
  EXPECT_EQ(form->WindowState(), wsMinimized);
  SimulateFrameCommand(form->Handle(), SC_RESTORE);
  SimulateFrameActivate(form->Handle());
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
}

TEST_F(UserActionsTest, AWindowOfAForeignClassBelongsToNoControl) {
  WNDCLASSA foreign;
  foreign.lpfnWndProc = DefWindowProcA;
  foreign.lpszClassName = "ForeignView";
  RegisterClassA(foreign);
  const HWND view = CreateWindowExA(0, "ForeignView", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50,
                                    form->Handle(), static_cast<HMENU>(7), 0, nullptr);
  ASSERT_NE(view, 0u);
  EXPECT_EQ(FindControl(view), nullptr);
  SimulateClick(TMouseButton::mbLeft, form->ClientToScreen({20, 20}));
  ProcessPendingMessages();
  ASSERT_FALSE(gRetrieved.empty());
  EXPECT_EQ(gRetrieved.back().hwnd, view);
}

}  // namespace
