// Where the focus goes when a form is shown or activated: its active control, or else its first
// tab stop in tab order, as when the user tabs into the form.

#include "tests/controls/controls_fixture.h"

namespace {

class FormFocusTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    second = Application().CreateForm<TForm>();
    second->SetName("Form2");
    second->SetBounds(520, 100, 300, 200);
  }

  TForm* second = nullptr;
};

TEST_F(FormFocusTest, AFormWithoutAnActiveControlFocusesItsFirstControlInTabOrder) {
  Make<TEdit>(second, "Off", {10, 10, 100, 21})->SetEnabled(false);
  Make<TLabel>(second, "Caption1", {10, 40, 100, 15});
  auto* panel = Make<TPanel>(second, "Panel1", {10, 60, 200, 60});
  auto* inner = Make<TButton>(panel, "Inner", {10, 10, 75, 25});
  Make<TEdit>(second, "Later", {10, 130, 100, 21});
  second->Show();
  EXPECT_TRUE(inner->Focused());
  EXPECT_EQ(second->ActiveControl(), inner);
  // Activated again, the form gives the focus back to that control.
  SimulateFrameActivate(form->Handle());
  SimulateFrameActivate(second->Handle());
  EXPECT_TRUE(inner->Focused());
}

TEST_F(FormFocusTest, TheFirstFocusPassesControlsThatAreNoTabStopsAndFollowsTheTabOrder) {
  Make<TPanel>(second, "Empty", {10, 10, 100, 20});
  Make<TRadioButton>(second, "Unchecked", {10, 40, 100, 20});
  Make<TEdit>(second, "Edit1", {10, 70, 100, 21});
  auto* later = Make<TButton>(second, "Later", {10, 100, 75, 25});
  later->SetTabOrder(2);  // before the edit
  second->Show();
  EXPECT_TRUE(later->Focused());
}

TEST_F(FormFocusTest, AnActiveControlChosenBeforeTheFormShowsGetsTheFocus) {
  Make<TButton>(second, "First", {10, 10, 75, 25});
  auto* chosen = Make<TEdit>(second, "Chosen", {10, 50, 100, 21});
  second->SetActiveControl(chosen);
  EXPECT_FALSE(chosen->Focused());  // the form is not showing yet
  second->Show();
  EXPECT_TRUE(chosen->Focused());
}

TEST_F(FormFocusTest, AFormWithNothingToFocusKeepsTheFocusItself) {
  Make<TLabel>(second, "Caption1", {10, 10, 100, 15});
  Make<TButton>(second, "Hidden", {10, 40, 75, 25})->SetVisible(false);
  Make<TPanel>(second, "Empty", {10, 70, 100, 20});
  Make<TRadioButton>(second, "Unchecked", {10, 100, 100, 20});
  second->Show();
  EXPECT_EQ(GetFocus(), second->Handle());
  EXPECT_EQ(second->ActiveControl(), nullptr);
}

}  // namespace
