// Form files with standard controls, menus and actions: reading creates and links them, writing
// stores their properties so that the text reads back into the same.

#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr char kOrders[] = R"(object Orders: TForm
  Caption = 'Orders'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object FileItem: TMenuItem
      Caption = '&File'
      object OpenItem: TMenuItem
        Caption = '&Open'
        ShortCut = 'Ctrl+O'
        Visible = False
      end
      object SaveItem: TMenuItem
        Action = SaveAction
      end
    end
  end
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
      ShortCut = 'Ctrl+S'
    end
  end
  object Popup1: TPopupMenu
    object CopyItem: TMenuItem
      Caption = '&Copy'
    end
  end
  object NameLabel: TLabel
    Caption = '&Name'
    FocusControl = NameEdit
    ShowAccelChar = False
  end
  object NameEdit: TEdit
    Text = 'Smith'
    MaxLength = 20
    PasswordChar = '*'
    ReadOnly = True
    PopupMenu = Popup1
  end
  object Kind: TComboBox
    Style = csDropDownList
    DropDownCount = 4
    Items.Strings = (
      'Retail'
      'Wholesale')
    ItemIndex = 1
  end
  object Sizes: TRadioGroup
    Caption = 'Size'
    Columns = 2
    Items.Strings = (
      'S'
      'M')
    ItemIndex = 0
  end
  object Agree: TCheckBox
    Caption = '&Agree'
    State = cbGrayed
    AllowGrayed = True
  end
  object Bar: TScrollBar
    Kind = sbVertical
    Max = 50
    Position = 20
  end
  object Notes: TMemo
    Lines.Strings = (
      'one'
      'two')
  end
  object OKBtn: TButton
    Caption = '&OK'
    Default = True
    Action = SaveAction
  end
end
)";

class FormFilesTest : public ControlsTest {};

TEST_F(FormFilesTest, ReadingCreatesAndLinksControlsMenusAndActions) {
  auto components = ReadComponentsText(kOrders, "orders.dfm");
  ASSERT_EQ(components.size(), 1u);
  auto& orders = dynamic_cast<TForm&>(*components[0]);
  auto* menu = dynamic_cast<TMainMenu*>(orders.FindComponent("MainMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(orders.Menu(), menu);
  auto* open = dynamic_cast<TMenuItem*>(orders.FindComponent("OpenItem"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->Parent()->Caption(), "&File");
  EXPECT_EQ(open->ShortCut(), TextToShortCut("Ctrl+O"));
  EXPECT_FALSE(open->Visible());
  auto* saveItem = dynamic_cast<TMenuItem*>(orders.FindComponent("SaveItem"));
  EXPECT_EQ(saveItem->Caption(), "&Save");  // from its action
  auto* label = dynamic_cast<TLabel*>(orders.FindComponent("NameLabel"));
  EXPECT_EQ(label->FocusControl(), orders.FindComponent("NameEdit"));
  EXPECT_FALSE(label->ShowAccelChar());
  auto* edit = dynamic_cast<TEdit*>(orders.FindComponent("NameEdit"));
  EXPECT_EQ(edit->PasswordChar(), '*');
  EXPECT_TRUE(edit->ReadOnly());
  EXPECT_EQ(edit->MaxLength(), 20);
  EXPECT_EQ(edit->Text(), "Smith");
  EXPECT_EQ(edit->PopupMenu(), orders.FindComponent("Popup1"));
  auto* kind = dynamic_cast<TComboBox*>(orders.FindComponent("Kind"));
  EXPECT_EQ(kind->Style(), csDropDownList);
  EXPECT_EQ(kind->DropDownCount(), 4);
  EXPECT_EQ(kind->Text(), "Wholesale");
  auto* sizes = dynamic_cast<TRadioGroup*>(orders.FindComponent("Sizes"));
  EXPECT_TRUE(sizes->Buttons(0)->Checked());
  EXPECT_EQ(dynamic_cast<TCheckBox*>(orders.FindComponent("Agree"))->State(), cbGrayed);
  auto* bar = dynamic_cast<TScrollBar*>(orders.FindComponent("Bar"));
  EXPECT_EQ(bar->Kind(), sbVertical);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(dynamic_cast<TMemo*>(orders.FindComponent("Notes"))->Text(), "one\r\ntwo");
  auto* ok = dynamic_cast<TButton*>(orders.FindComponent("OKBtn"));
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->Caption(), "&Save");
}

TEST_F(FormFilesTest, WritingStoresWhatReadsBackIntoTheSame) {
  auto components = ReadComponentsText(kOrders, "orders.dfm");
  const std::string written = WriteComponentText(*components[0]);
  for (const char* line :
       {"Menu = MainMenu1", "ShortCut = 'Ctrl+O'", "Action = SaveAction", "PasswordChar = '*'",
        "Style = csDropDownList", "Kind = sbVertical", "FocusControl = NameEdit",
        "State = cbGrayed", "object OpenItem: TMenuItem", "object SaveAction: TAction",
        "Visible = False", "ReadOnly = True", "MaxLength = 20", "DropDownCount = 4"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  EXPECT_EQ(written.find("TGroupButton"), std::string::npos);  // made by the group, not stored
  components.clear();
  auto again = ReadComponentsText(written, "written.dfm");
  EXPECT_EQ(WriteComponentText(*again[0]), written);
}

TEST_F(FormFilesTest, AnItemIndexWrittenBeforeItsItemsChoosesAnItem) {
  auto components = ReadComponentsText(R"(object Pick: TForm
  object Fruit: TListBox
    ItemIndex = 1
    Items.Strings = (
      'apple'
      'pear')
  end
  object Town: TComboBox
    Style = csDropDownList
    ItemIndex = 2
    Items.Strings = (
      'Bath'
      'Leeds'
      'York')
  end
  object Size: TRadioGroup
    ItemIndex = 0
    Items.Strings = (
      'Small'
      'Large')
    object Unrelated: TRadioGroup
      ItemIndex = 5
    end
  end
end
)",
                                       "pick.dfm");
  TComponent& form = *components[0];
  EXPECT_EQ(dynamic_cast<TListBox&>(*form.FindComponent("Fruit")).ItemIndex(), 1);
  EXPECT_EQ(dynamic_cast<TComboBox&>(*form.FindComponent("Town")).ItemIndex(), 2);
  auto& size = dynamic_cast<TRadioGroup&>(*form.FindComponent("Size"));
  EXPECT_EQ(size.ItemIndex(), 0);
  EXPECT_TRUE(size.Buttons(0)->Checked());
  // An index past the items still chooses nothing.
  EXPECT_EQ(dynamic_cast<TRadioGroup&>(*form.FindComponent("Unrelated")).ItemIndex(), -1);
}

TEST_F(FormFilesTest, AReferenceToAComponentOfAnotherClassIsRefused) {
  struct Case {
    const char* property;  // on OKBtn, a TButton
    const char* target;
    const char* reason;
  };
  const Case cases[] = {
      {"Action", "Orders", "Property Action needs a TAction, and Orders is a TForm"},
      {"Action", "SaveItem", "Property Action needs a TAction, and SaveItem is a TMenuItem"},
      {"PopupMenu", "MainMenu1",
       "Property PopupMenu needs a TPopupMenu, and MainMenu1 is a TMainMenu"},
  };
  for (const Case& c : cases) {
    std::string text = kOrders;
    const std::string line = "    Default = True\n";
    text.replace(text.find(line), line.size(),
                 line + "    " + c.property + " = " + c.target + "\n");
    try {
      ReadComponentsText(text, "orders.dfm");
      ADD_FAILURE() << "accepted " << c.property << " = " << c.target;
    } catch (const EParserError& e) {
      EXPECT_NE(e.Message().find(c.reason), std::string::npos) << e.Message();
      EXPECT_EQ(e.Message().rfind("orders.dfm(", 0), 0u) << e.Message();
    }
  }

  // Program code setting the property through its descriptor is refused in the same way.
  auto components = ReadComponentsText(kOrders, "orders.dfm");
  TComponent& orders = *components[0];
  TComponent& ok = *orders.FindComponent("OKBtn");
  const TPublishedProperty& action = *ok.ClassType().FindProperty("Action");
  EXPECT_FALSE(action.SetRef(ok, &orders));
  EXPECT_EQ(action.GetRef(ok), orders.FindComponent("SaveAction"));
  EXPECT_EQ(ReferenceMismatch(action, orders),
            "Property Action needs a TAction, and Orders is a TForm");
}

}  // namespace
