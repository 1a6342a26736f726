// Hints and bevels: ShowHint taken from the parent until a control sets its own, and both stored
// in form files only where they differ from what a reader would assume.

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/form_files.h"
#include "tests/controls/controls_fixture.h"

namespace {

class HintTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterAdditionalControls();
    panel = Make<TPanel>(form, "Panel1", {0, 0, 200, 100});
    button = Make<TButton>(panel, "Button1", {10, 10, 75, 25});
    button->SetHint("Exclude All Events");
  }

  TPanel* panel = nullptr;
  TButton* button = nullptr;
};

TEST_F(HintTest, ShowHintComesFromTheParentsUntilAControlSetsItsOwn) {
  EXPECT_FALSE(button->ShowHint());
  form->SetShowHint(true);
  EXPECT_TRUE(panel->ShowHint());
  EXPECT_TRUE(button->ShowHint());
  EXPECT_TRUE(button->ParentShowHint());

  button->SetShowHint(false);
  EXPECT_FALSE(button->ParentShowHint());
  EXPECT_FALSE(button->ShowHint());
  button->SetParentShowHint(true);
  EXPECT_TRUE(button->ShowHint());

  // Leaving the parent's setting keeps what it gave, whatever the parent does next.
  panel->SetParentShowHint(false);
  form->SetShowHint(false);
  EXPECT_TRUE(panel->ShowHint());
  EXPECT_TRUE(button->ShowHint());
}

TEST_F(HintTest, FormFilesKeepHintsAndBevelsAsTheyWere) {
  form->SetShowHint(true);
  auto* bevel = new TBevel(form);
  bevel->SetName("Bevel1");
  bevel->SetParent(form);
  bevel->SetShape(bsTopLine);
  const std::string written = WriteComponentText(*form);
  EXPECT_NE(written.find("Shape = bsTopLine"), std::string::npos);
  EXPECT_EQ(written.find("Style ="), std::string::npos);
  EXPECT_NE(written.find("Hint = 'Exclude All Events'"), std::string::npos);
  EXPECT_EQ(written.find(" ShowHint ="), written.rfind(" ShowHint ="));  // the form's only

  auto again = ReadComponentsText(written, "written.dfm");
  auto& read = static_cast<TForm&>(*again[0]);
  auto& readButton = static_cast<TButton&>(*read.FindComponent("Button1"));
  EXPECT_TRUE(readButton.ShowHint());
  EXPECT_TRUE(readButton.ParentShowHint());
  EXPECT_EQ(readButton.Hint(), "Exclude All Events");
  EXPECT_EQ(static_cast<TBevel&>(*read.FindComponent("Bevel1")).Shape(), bsTopLine);
}

}  // namespace
