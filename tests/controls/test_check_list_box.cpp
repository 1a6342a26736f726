// Check list boxes: checks toggled by a click on the box and by Space, the parent's LBN_SELCHANGE
// after the toggle, states that follow their items, and form files.

#include "platform/vcl/form_files.h"
#include "tests/controls/additional_controls_fixture.h"

namespace {

class CheckListBoxTest : public AdditionalControlsTest {
 protected:
  void SetUp() override {
    AdditionalControlsTest::SetUp();
    list = Make<TCheckListBox>(form, "Fruit", {10, 10, 150, 64});  // four rows of 16
    for (const char* item : {"Apple", "Pear", "Plum", "Cherry", "Fig", "Lime"})
      list->Items()->Add(item);
    list->OnClickCheck = [this](TObject*) {
      happened.push_back(Format("check %d", list->ItemIndex()));
    };
    list->OnClick = Note("click");  // runs when the parent's LBN_SELCHANGE comes back
    form->Handle();
    Forget();
  }

  // A click at a point of the item's row.
  void ClickItem(int index, int x) { SimulateClickAt(*list, {x, list->ItemRect(index).top + 8}); }
  // How many times the parent heard LBN_SELCHANGE from the list.
  size_t Choices() {
    const Seen choice = Notification(*list, LBN_SELCHANGE);
    size_t count = 0;
    for (const Seen& sent : SentOf({WM_COMMAND})) count += sent == choice;
    return count;
  }
  std::vector<TCheckBoxState> States() const {
    std::vector<TCheckBoxState> states;
    for (int i = 0; i < list->Items()->Count(); ++i) states.push_back(list->State(i));
    return states;
  }

  TCheckListBox* list = nullptr;
};

TEST_F(CheckListBoxTest, AClickOnTheBoxTogglesTheCheckBeforeTheParentHearsOfTheChoice) {
  ClickItem(1, 8);
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(Happened(), (std::vector<std::string>{"check 1", "click"}));
  EXPECT_EQ(Choices(), 1u);
  Forget();
  ClickItem(1, 15);  // the box is as wide as the row is high
  EXPECT_FALSE(list->Checked(1));
  EXPECT_EQ(Happened(), (std::vector<std::string>{"check 1", "click"}));
}

// A click beside the box chooses without toggling, and tells the parent even of the item that
// was chosen already.
TEST_F(CheckListBoxTest, AClickBesideTheBoxChoosesWithoutToggling) {
  ClickItem(2, 16);
  ClickItem(2, 80);
  EXPECT_EQ(States(), std::vector<TCheckBoxState>(6, cbUnchecked));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(Happened(), (std::vector<std::string>{"click", "click"}));
  EXPECT_EQ(Choices(), 2u);
  // Below the last item nothing is chosen or toggled.
  list->Items()->Delete(5);
  list->Items()->Delete(4);
  list->SetHeight(100);
  Forget();
  SimulateClickAt(*list, {8, 90});
  EXPECT_EQ(States(), std::vector<TCheckBoxState>(4, cbUnchecked));
  EXPECT_TRUE(Happened().empty());
  EXPECT_EQ(Choices(), 0u);
}

TEST_F(CheckListBoxTest, SpaceTogglesTheChosenItemWithoutAChoice) {
  Key(VK_SPACE);  // nothing chosen yet
  EXPECT_EQ(States(), std::vector<TCheckBoxState>(6, cbUnchecked));
  ClickItem(3, 80);
  Forget();
  Happened();
  Key(VK_SPACE);
  EXPECT_TRUE(list->Checked(3));
  Key(VK_DOWN);
  Key(VK_SPACE);
  Key(VK_SPACE);
  EXPECT_FALSE(list->Checked(4));
  EXPECT_EQ(Happened(), (std::vector<std::string>{"check 3", "click", "check 4", "check 4"}));
  // Only the arrow's move told the parent.
  EXPECT_EQ(Choices(), 1u);
}

TEST_F(CheckListBoxTest, AllowingGrayedTheToggleStepsThroughIt) {
  list->SetAllowGrayed(true);
  ClickItem(0, 8);
  EXPECT_EQ(list->State(0), cbGrayed);
  EXPECT_FALSE(list->Checked(0));
  ClickItem(0, 8);
  EXPECT_EQ(list->State(0), cbChecked);
  ClickItem(0, 8);
  EXPECT_EQ(list->State(0), cbUnchecked);
}

TEST_F(CheckListBoxTest, StatesFollowTheirItemsAndIndexesOutsideAreErrors) {
  list->SetChecked(1, true);
  list->SetState(3, cbGrayed);
  list->Items()->Insert(0, "Banana");
  list->Items()->Delete(2);  // Pear
  EXPECT_EQ(States(), (std::vector<TCheckBoxState>{cbUnchecked, cbUnchecked, cbUnchecked, cbGrayed,
                                                   cbUnchecked, cbUnchecked}));
  EXPECT_THROW(list->Checked(6), EListError);
  EXPECT_THROW(list->SetChecked(-1, true), EListError);
  list->Items()->Clear();
  EXPECT_THROW(list->State(0), EListError);
}

TEST_F(CheckListBoxTest, TheUserActionScrollsTheItemIntoViewAndClicksItsBox) {
  SimulateCheckClick(*list, 5);
  EXPECT_TRUE(list->Checked(5));
  EXPECT_EQ(list->TopIndex(), 5);
  EXPECT_EQ(list->ItemIndex(), 5);
  SimulateCheckClick(*list, 5);
  EXPECT_FALSE(list->Checked(5));
  EXPECT_THROW(SimulateCheckClick(*list, 6), EInvalidOperation);
  EXPECT_THROW(SimulateCheckClick(*list, -1), EInvalidOperation);
}

constexpr char kChecks[] = R"(object Order: TForm
  object Extras: TCheckListBox
    Checked = (
      '1'
      '0'
      '2')
    Items.Strings = (
      'Cheese'
      'Onion'
      'Olives'
      'Basil')
    AllowGrayed = True
  end
end
)";

// The states may come before the items they belong to.
TEST_F(CheckListBoxTest, FormFilesGiveAStateLinePerItem) {
  auto components = ReadComponentsText(kChecks, "order.dfm");
  auto& extras = dynamic_cast<TCheckListBox&>(*components[0]->FindComponent("Extras"));
  EXPECT_TRUE(extras.Checked(0));
  EXPECT_EQ(extras.State(2), cbGrayed);
  EXPECT_EQ(extras.State(3), cbUnchecked);
  EXPECT_TRUE(extras.AllowGrayed());
  const std::string written = WriteComponentText(*components[0]);
  EXPECT_NE(written.find("    Checked = (\n      '1'\n      '0'\n      '2'\n      '0')\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(WriteComponentText(*ReadComponentsText(written, "again.dfm")[0]), written);
  for (int i = 0; i < 4; ++i) extras.SetChecked(i, false);
  EXPECT_EQ(WriteComponentText(*components[0]).find("Checked"), std::string::npos);
}

TEST_F(CheckListBoxTest, MalformedStatesAreRefused) {
  auto refusal = [](const std::string& from, const std::string& to) -> std::string {
    std::string text = kChecks;
    text.replace(text.find(from), from.size(), to);
    try {
      ReadComponentsText(text, "order.dfm");
    } catch (const EParserError& e) {
      return e.Message();
    }
    return "accepted";
  };
  EXPECT_EQ(refusal("'2')", "'yes')"), "order.dfm(6): Check state 'yes' is not 0, 1 or 2");
  EXPECT_EQ(refusal("'2')", "'2'\n      '1'\n      '1')"),
            "order.dfm(2): 5 check states for 4 items");
  // Program code that sets the lines is checked at once.
  EXPECT_THROW(TCheckListBox::StaticClass().FindProperty("Checked")->SetLines(*list, {"1", "3"}),
               ELineError);
  EXPECT_FALSE(list->Checked(0));
}

}  // namespace
