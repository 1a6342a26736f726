// Radio groups: buttons made from the items, and what a choice by mouse or arrow keys sends.

#include "tests/controls/controls_fixture.h"

namespace {

class RadioGroupTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    group = Make<TRadioGroup>(form, "Sizes", {10, 10, 200, 100});
    for (const char* item : {"Small", "Medium", "Large"}) group->Items()->Add(item);
    group->OnClick = [this](TObject*) { ++clicks; };
    form->Handle();
    Forget();
  }

  TRadioGroup* group = nullptr;
  int clicks = 0;
};

TEST_F(RadioGroupTest, EachItemHasARadioButtonInsideTheGroup) {
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->Buttons(1)->Caption(), "Medium");
  EXPECT_TRUE(group->Buttons(2)->InheritsFrom(TRadioButton::StaticClass()));
  EXPECT_EQ(group->Buttons(2)->Parent(), group);
  group->Items()->Delete(2);
  EXPECT_EQ(group->ControlCount(), 2);

  group->SetColumns(2);
  EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left() + 95);
}

// Items added in an update make their buttons once, when it ends (a form file's items are one
// update); clearing the items takes their buttons at once.
TEST_F(RadioGroupTest, ItemsAddedInAnUpdateMakeTheirButtonsAtItsEnd) {
  TStrings* items = group->Items();
  items->BeginUpdate();
  items->Add("Huge");
  EXPECT_EQ(group->ControlCount(), 3);
  items->Clear();
  EXPECT_EQ(group->ControlCount(), 0);
  items->Add("One");
  items->BeginUpdate();
  items->Add("Two");
  items->EndUpdate();
  EXPECT_EQ(group->ControlCount(), 0);
  items->EndUpdate();
  ASSERT_EQ(group->ControlCount(), 2);
  EXPECT_EQ(group->Buttons(1)->Caption(), "Two");
  items->SetText("A\nB\nC\nD");
  EXPECT_EQ(group->ControlCount(), 4);
}

TEST_F(RadioGroupTest, AClickChecksTheButtonAndMakesItTheChoice) {
  group->SetItemIndex(0);
  Forget();
  Click(*group->Buttons(2));
  const std::vector<Seen> expected = {{group->Buttons(2)->Handle(), BM_SETCHECK, BST_CHECKED, 0},
                                      {group->Buttons(0)->Handle(), BM_SETCHECK, BST_UNCHECKED, 0},
                                      Notification(*group->Buttons(2), BN_CLICKED)};
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}), expected);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 2);  // the choice made by program code, then the click

  group->SetItemIndex(-1);
  EXPECT_FALSE(group->Buttons(2)->Checked());
}

TEST_F(RadioGroupTest, ArrowsMoveTheChoiceThroughTheGroupsButtons) {
  Click(*group->Buttons(0));
  Key(VK_DOWN);
  EXPECT_TRUE(group->Buttons(1)->Focused());
  EXPECT_EQ(group->ItemIndex(), 1);
  Key(VK_UP);
  Key(VK_UP);  // round the end
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 4);
}

}  // namespace
