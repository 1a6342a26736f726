// Tab stops and tab order: which controls Tab and the arrow keys visit, in what order, where a
// group box's mnemonic lands, and how form files store and restore both properties.

#include "platform/vcl/form_files.h"
#include "tests/controls/controls_fixture.h"

namespace {

class TabOrderTest : public ControlsTest {
 protected:
  // The controls the focus visits after the current one, one Tab (Shift+Tab) each.
  std::vector<TWinControl*> Visits(int count, bool backwards = false) {
    std::vector<TWinControl*> visited;
    for (int i = 0; i < count; ++i) {
      Key(VK_TAB, backwards);
      visited.push_back(dynamic_cast<TWinControl*>(FindControl(GetFocus())));
    }
    return visited;
  }
};

TEST_F(TabOrderTest, EachClassStartsWithTheTabStopItPublishesAsDefault) {
  struct Case {
    const TComponentClass& cls;
    bool tabStop;
  };
  const Case cases[] = {
      {TEdit::StaticClass(), true},        {TMemo::StaticClass(), true},
      {TButton::StaticClass(), true},      {TCheckBox::StaticClass(), true},
      {TListBox::StaticClass(), true},     {TComboBox::StaticClass(), true},
      {TScrollBar::StaticClass(), true},   {TRadioButton::StaticClass(), false},
      {TRadioGroup::StaticClass(), false}, {TGroupBox::StaticClass(), false},
      {TPanel::StaticClass(), false},      {TScrollBox::StaticClass(), false},
  };
  for (const Case& c : cases) {
    auto* control = dynamic_cast<TWinControl*>(c.cls.Create(form));
    control->SetParent(form);
    const std::string name = control->ClassName();
    EXPECT_EQ(control->TabStop(), c.tabStop) << name;
    // Form files leave the default out, so the class's default must be what it starts with.
    const TPublishedProperty* property = control->ClassType().FindProperty("TabStop");
    ASSERT_NE(property, nullptr) << name;
    EXPECT_EQ(property->Default, c.tabStop) << name;
    control->SetTabStop(!c.tabStop);
    EXPECT_EQ((GetWindowLongPtrA(control->Handle(), GWL_STYLE) & WS_TABSTOP) != 0, !c.tabStop)
        << name;
  }
  EXPECT_EQ(TForm::StaticClass().FindProperty("TabStop"), nullptr);
}

TEST_F(TabOrderTest, ARadioButtonIsATabStopExactlyWhileItIsChecked) {
  auto* group = Make<TRadioGroup>(form, "Group1", {150, 10, 100, 100});
  for (const char* item : {"a", "b"}) group->Items()->Add(item);
  group->SetItemIndex(1);
  Click(*group->Buttons(0));
  EXPECT_TRUE(group->Buttons(0)->TabStop());
  EXPECT_FALSE(group->Buttons(1)->TabStop());
  group->SetItemIndex(-1);
  EXPECT_FALSE(group->Buttons(0)->TabStop());
}

TEST_F(TabOrderTest, TabVisitsTabStopsInsideContainersAndSkipsTheRest) {
  auto* name = Make<TEdit>(form, "Name", {10, 10, 100, 21});
  auto* sizes = Make<TGroupBox>(form, "Sizes", {10, 40, 150, 80});
  Make<TRadioButton>(sizes, "Small", {10, 15, 100, 20});
  auto* large = Make<TRadioButton>(sizes, "Large", {10, 40, 100, 20});
  large->SetChecked(true);
  Make<TPanel>(form, "Empty", {10, 130, 150, 20});
  auto* nothingChosen = Make<TRadioGroup>(form, "Colours", {200, 10, 100, 80});
  nothingChosen->Items()->Add("red");
  nothingChosen->Items()->Add("blue");
  auto* off = Make<TPanel>(form, "Off", {10, 160, 150, 40});
  Make<TButton>(off, "Unreachable", {5, 5, 75, 25});
  off->SetEnabled(false);
  auto* notStop = Make<TEdit>(form, "NotStop", {200, 100, 100, 21});
  notStop->SetTabStop(false);
  auto* framed = Make<TPanel>(form, "Framed", {10, 210, 200, 40});
  framed->SetTabStop(true);  // a container that is a tab stop comes before its controls
  auto* inner = Make<TCheckBox>(framed, "Inner", {5, 5, 100, 20});

  name->SetFocus();
  const std::vector<TWinControl*> forward = {large, framed, inner, name};
  EXPECT_EQ(Visits(4), forward);
  const std::vector<TWinControl*> backward = {inner, framed, large, name};
  EXPECT_EQ(Visits(4, true), backward);

  // Tab from a control that is no tab stop goes on from its place in the order.
  notStop->SetFocus();
  EXPECT_EQ(Visits(1), std::vector<TWinControl*>{framed});
}

TEST_F(TabOrderTest, ArrowsMoveAmongTheControlsBesideTheActiveOneTabStopsOrNot) {
  auto* panel = Make<TPanel>(form, "Panel1", {10, 10, 200, 200});
  auto* a = Make<TButton>(panel, "A", {10, 10, 75, 25});
  auto* b = Make<TCheckBox>(panel, "B", {10, 40, 100, 20});
  b->SetTabStop(false);
  Make<TButton>(panel, "Off", {10, 70, 75, 25})->SetEnabled(false);
  auto* d = Make<TButton>(panel, "D", {10, 100, 75, 25});
  Make<TButton>(form, "Outside", {250, 10, 75, 25});
  a->SetFocus();
  Key(VK_DOWN);
  EXPECT_TRUE(b->Focused());
  Key(VK_RIGHT);
  EXPECT_TRUE(d->Focused());
  Key(VK_DOWN);  // round within the panel
  EXPECT_TRUE(a->Focused());
  Key(VK_UP);
  EXPECT_TRUE(d->Focused());
  Key(VK_LEFT, false, false, true);  // the form leaves Alt+arrows alone
  Key(VK_TAB, false, true);          // and Ctrl+Tab
  EXPECT_TRUE(d->Focused());
}

TEST_F(TabOrderTest, TabOrderMovesAControlWithinItsParentsOrderOnly) {
  auto* a = Make<TButton>(form, "A", {10, 10, 75, 25});
  auto* b = Make<TButton>(form, "B", {10, 40, 75, 25});
  auto* c = Make<TButton>(form, "C", {10, 70, 75, 25});
  c->SetTabOrder(0);
  a->SetTabOrder(99);  // kept within the order: C, B, A
  EXPECT_EQ(a->TabOrder(), 2);
  EXPECT_EQ(form->Controls(2), c);  // what lies on top stays as it was
  a->SetFocus();
  const std::vector<TWinControl*> visits = {c, b, a};
  EXPECT_EQ(Visits(3), visits);
  delete c;
  EXPECT_EQ(a->TabOrder(), 1);
}

TEST_F(TabOrderTest, AGroupBoxMnemonicFocusesItsFirstTabStopOrElseItsFirstControl) {
  auto* group = Make<TGroupBox>(form, "Group1", {10, 10, 200, 120});
  group->SetCaption("&Group");
  auto* small = Make<TRadioButton>(group, "Small", {10, 20, 100, 20});
  auto* large = Make<TRadioButton>(group, "Large", {10, 50, 100, 20});
  auto* ok = Make<TButton>(form, "OK", {10, 150, 75, 25});
  ok->SetFocus();
  Key('G', false, false, true);
  EXPECT_TRUE(small->Focused());  // no button checked: no tab stop inside

  large->SetChecked(true);
  ok->SetFocus();
  Key('G', false, false, true);
  EXPECT_TRUE(large->Focused());
}

TEST_F(TabOrderTest, FormFilesStoreTabStopsThatDifferAndRestoreTheTabOrder) {
  constexpr char kText[] = R"(object Order: TForm
  Visible = True
  object Last: TEdit
    TabOrder = 2
  end
  object First: TButton
    TabOrder = 0
    TabStop = False
  end
  object Middle: TPanel
    TabOrder = 1
    object Second: TEdit
      TabOrder = 1
    end
    object Inner: TEdit
      TabOrder = 0
    end
  end
  object Framed: TPanel
    TabOrder = 3
    TabStop = True
  end
end
)";
  auto components = ReadComponentsText(kText, "order.dfm");
  TComponent& root = *components[0];
  auto control = [&](const char* name) {
    return dynamic_cast<TWinControl*>(root.FindComponent(name));
  };
  EXPECT_EQ(control("First")->TabOrder(), 0);
  EXPECT_EQ(control("Middle")->TabOrder(), 1);
  EXPECT_EQ(control("Last")->TabOrder(), 2);
  EXPECT_EQ(control("Inner")->TabOrder(), 0);
  EXPECT_FALSE(control("First")->TabStop());
  EXPECT_TRUE(control("Framed")->TabStop());
  EXPECT_TRUE(control("Last")->TabStop());
  // The form showed itself while loading, with the order inside the panel already in place.
  EXPECT_TRUE(control("Inner")->Focused());
  const std::vector<TWinControl*> visits = {control("Second"), control("Last"), control("Framed")};
  EXPECT_EQ(Visits(3), visits);

  // Every control's place in the order is written; of the tab stops, only First's and Framed's,
  // which differ from their class's default.
  const std::string written = WriteComponentText(root);
  EXPECT_NE(written.find("TabOrder = 3"), std::string::npos) << written;
  const size_t firstStop = written.find("TabStop");
  EXPECT_EQ(firstStop, written.find("TabStop = False")) << written;
  EXPECT_EQ(written.find("TabStop", firstStop + 1), written.find("TabStop = True")) << written;
  EXPECT_EQ(written.rfind("TabStop"), written.find("TabStop = True")) << written;
  components.clear();
  auto again = ReadComponentsText(written, "written.dfm");
  EXPECT_EQ(WriteComponentText(*again[0]), written);
}

}  // namespace
