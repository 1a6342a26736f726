// Modal forms: the result by a button's ModalResult, Enter, Esc and closing, the other forms
// disabled while the modal loop runs, and a session that acts through the application's idle
// event while the loop waits for it.

#include <deque>
#include <functional>

#include "platform/vcl/errors.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ModalFormTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    dialog = new TForm(&Application());
    dialog->SetName("Dialog");
    dialog->SetBounds(150, 150, 300, 200);
    list = MakeOn<TListBox>("List", {10, 10, 100, 80});
    ok = MakeOn<TButton>("OK", {130, 160, 75, 25});
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    cancel = MakeOn<TButton>("Cancel", {210, 160, 75, 25});
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    dialog->SetActiveControl(list);
    // The user acts whenever the modal loop has nothing left to do, one step at a time; a loop
    // that waits once the steps are used up would wait for ever, so it is ended instead.
    Application().OnIdle = [this](TObject*, bool& done) {
      if (steps.empty()) {
        ADD_FAILURE() << "the modal loop is still waiting";
        dialog->SetModalResult(mrNoToAll);
        return;
      }
      std::function<void()> step = std::move(steps.front());
      steps.pop_front();
      step();
      done = false;  // the step may have ended the loop: let it look before it waits
    };
  }

  template <typename T>
  T* MakeOn(const char* name, RECT bounds) {
    auto* control = new T(dialog);
    control->SetName(name);
    control->SetParent(dialog);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
  }

  TForm* dialog = nullptr;
  TListBox* list = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
  std::deque<std::function<void()>> steps;
};

TEST_F(ModalFormTest, ClickingOkThroughTheMouseEndsTheLoopWithItsResult) {
  bool mainFormEnabled = true;
  bool focusedList = false;
  steps.push_back([&] {
    mainFormEnabled = IsWindowEnabled(form->Handle());
    focusedList = list->Focused();
    Click(*ok);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(mainFormEnabled);
  EXPECT_TRUE(focusedList);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(ModalFormTest, EnterAndEscAnywhereInTheFormChooseTheDefaultAndCancelButtons) {
  steps.push_back([] { Key(VK_RETURN); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  steps.push_back([] { Key(VK_ESCAPE); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(steps.empty());
}

TEST_F(ModalFormTest, ClosingTheFormOrEndingTheApplicationCancels) {
  steps.push_back([this] { PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(Application().Terminated());  // a modal form is never the end of the program
  steps.push_back([] { Application().Terminate(); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(ModalFormTest, AResultSetByCodeEndsTheLoopAndAShowingFormCannotBeMadeModal) {
  ok->SetModalResult(mrNone);
  ok->OnClick = [this](TObject*) { dialog->SetModalResult(mrRetry); };
  steps.push_back([this] { Click(*ok); });
  EXPECT_EQ(dialog->ShowModal(), mrRetry);
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(ModalFormTest, AnExceptionInTheLoopReachesTheApplicationAndTheLoopGoesOn) {
  ok->OnClick = [](TObject*) { throw Exception("no such thing"); };
  steps.push_back([this] { Click(*ok); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);  // the result was given before the handler failed
  EXPECT_EQ(shown, (std::vector<std::string>{"no such thing."}));
}

}  // namespace
