// Form files with common controls: collections written as `< item ... end >`, a tree's nodes as
// indented lines, tool buttons with their menus, and what a malformed text is refused for.

#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "tests/controls/views_fixture.h"

namespace {

constexpr char kViews[] = R"(object Views: TForm
  object ColourMenu: TPopupMenu
    object RedItem: TMenuItem
      Caption = '&Red'
    end
  end
  object Header1: THeaderControl
    Width = 300
    Height = 20
    Sections = <
      item
        Text = 'Name'
        Width = 80
      end
      item
        Text = 'It''s'
      end>
  end
  object ToolBar1: TToolBar
    ShowCaptions = True
    object BoldBtn: TToolButton
      Caption = '&Bold'
      Style = tbsCheck
    end
    object ColourBtn: TToolButton
      Left = 0
      Caption = '&Colour'
      Style = tbsDropDown
      DropdownMenu = ColourMenu
    end
  end
  object Tree1: TTreeView
    Items = (
      'Fruit'
      ' Apple'
      '  Cox'
      ' Pear'
      'Vegetables')
    ReadOnly = True
  end
  object List1: TListView
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end>
    Items = <
      item
        Caption = 'Alice'
        SubItems.Strings = (
          '42'
          'Admin')
      end
      item
        Caption = 'Bob'
      end>
  end
end
)";

class CommonFormFilesTest : public ViewsTest {
 protected:
  // The reason a text is refused for, and its line.
  static std::pair<int, std::string> Refusal(const std::string& text) {
    try {
      ReadComponentsText(text, "views.dfm");
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message().rfind("views.dfm(" + std::to_string(e.Line()) + "): ", 0), 0u);
      return {e.Line(), e.Reason()};
    }
    ADD_FAILURE() << "accepted: " << text;
    return {};
  }
  // kViews with one passage replaced.
  static std::string Changed(const std::string& from, const std::string& to) {
    std::string text = kViews;
    text.replace(text.find(from), from.size(), to);
    return text;
  }
};

TEST_F(CommonFormFilesTest, ReadingFillsCollectionsNodesAndButtons) {
  auto components = ReadComponentsText(kViews, "views.dfm");
  TComponent& form = *components[0];
  auto& header = dynamic_cast<THeaderControl&>(*form.FindComponent("Header1"));
  ASSERT_EQ(header.Sections()->Count(), 2);
  EXPECT_EQ(header.Sections()->Items(0)->Text(), "Name");
  EXPECT_EQ(header.Sections()->Items(0)->Width(), 80);
  EXPECT_EQ(header.Sections()->Items(1)->Text(), "It's");
  EXPECT_EQ(header.Sections()->Items(1)->Width(), 50);
  EXPECT_EQ(header.Sections()->Items(1)->Index(), 1);
  auto& bar = dynamic_cast<TToolBar&>(*form.FindComponent("ToolBar1"));
  ASSERT_EQ(bar.ButtonCount(), 2);
  EXPECT_EQ(bar.Buttons(1)->Style(), tbsDropDown);
  EXPECT_EQ(bar.Buttons(1)->DropdownMenu(), form.FindComponent("ColourMenu"));
  EXPECT_TRUE(bar.ShowCaptions());
  EXPECT_EQ(bar.Buttons(1)->Left(), 23);  // laid out by the bar
  auto& tree = dynamic_cast<TTreeView&>(*form.FindComponent("Tree1"));
  ASSERT_EQ(tree.Items()->Count(), 5);
  EXPECT_EQ(tree.Items()->Item(2)->Text(), "Cox");
  EXPECT_EQ(tree.Items()->Item(2)->Parent()->Text(), "Apple");
  EXPECT_EQ(tree.Items()->Item(3)->Parent()->Text(), "Fruit");
  EXPECT_EQ(tree.Items()->Item(4)->Parent(), nullptr);
  EXPECT_TRUE(tree.ReadOnly());
  auto& list = dynamic_cast<TListView&>(*form.FindComponent("List1"));
  EXPECT_EQ(list.ViewStyle(), vsReport);
  EXPECT_EQ(list.Column(0)->Caption(), "Name");
  EXPECT_EQ(list.Column(0)->Width(), 100);
  ASSERT_EQ(list.Items()->Count(), 2);
  EXPECT_EQ(list.Items()->Items(0)->SubItems()->Text(), "42\nAdmin\n");
  EXPECT_EQ(list.Items()->Items(1)->Index(), 1);
}

TEST_F(CommonFormFilesTest, WritingStoresWhatReadsBackIntoTheSame) {
  auto components = ReadComponentsText(kViews, "views.dfm");
  const std::string written = WriteComponentText(*components[0]);
  for (const char* passage : {
           "    Sections = <\n      item\n        Text = 'Name'\n        Width = 80\n      end\n"
           "      item\n        Text = 'It''s'\n      end>\n",
           "    Items = (\n      'Fruit'\n      ' Apple'\n      '  Cox'\n      ' Pear'\n"
           "      'Vegetables')\n",
           "    Items = <\n      item\n        Caption = 'Alice'\n        SubItems.Strings = (\n"
           "          '42'\n          'Admin')\n      end\n      item\n        Caption = 'Bob'\n"
           "      end>\n",
           "      Style = tbsDropDown\n      DropdownMenu = ColourMenu\n",
       })
    EXPECT_NE(written.find(passage), std::string::npos) << passage << "\nin\n" << written;
  components.clear();
  auto again = ReadComponentsText(written, "written.dfm");
  EXPECT_EQ(WriteComponentText(*again[0]), written);
}

// Reading a collection or the nodes again replaces what was there.
TEST_F(CommonFormFilesTest, ReadingReplacesTheItemsAControlHad) {
  auto components = ReadComponentsText(
      Changed("    ReadOnly = True\n", "    Items = (\n      'Only')\n"), "views.dfm");
  auto& tree = dynamic_cast<TTreeView&>(*components[0]->FindComponent("Tree1"));
  EXPECT_EQ(tree.ItemLines(), std::vector<std::string>{"Only"});
  auto empty = ReadComponentsText(Changed(R"(    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end>)",
                                          "    Columns = <>"),
                                  "views.dfm");
  EXPECT_EQ(dynamic_cast<TListView&>(*empty[0]->FindComponent("List1")).Columns()->Count(), 0);
}

TEST_F(CommonFormFilesTest, MalformedNodesAndCollectionsAreRefusedWhereTheyStand) {
  struct Case {
    std::string text;
    int line;
    std::string reason;
  };
  const Case cases[] = {
      {Changed("      '  Cox'", "      '   Cox'"), 36,
       "The tree node 'Cox' is indented 2 levels below the one before it; one level at most"},
      {Changed("      'Fruit'", "      ' Fruit'"), 34,
       "The first tree node must not be indented: ' Fruit'"},
      {Changed("      ' Pear'", "      '   '"), 37, "A tree node needs a text"},
      {Changed("      'Vegetables')", "      'Vegetables'\n  end\nend\n"), 39,
       "String or ')' expected"},
      {Changed("        Width = 80\n      end\n", "        Width = 80\n"), 14,
       "'end' expected for the item begun at line 11"},
      {Changed("      end>\n  end\n  object ToolBar1", "      end\n  end\n  object ToolBar1"), 18,
       "'item' or '>' expected"},
      {Changed("        Text = 'Name'", "        Caption = 'Name'"), 12,
       "Unknown property Caption of THeaderSection"},
      {Changed("        Width = 80", "        Width = 'wide'"), 13,
       "Integer expected for property Width"},
      {Changed("    Sections = <", "    Sections = ("), 10, "'<' expected"},
      {Changed("      item\n        Text = 'Name'", "      object X: TButton"), 11,
       "'item' or '>' expected"},
      {Changed("        Caption = 'Bob'", "        object B: TButton\n        end"), 56,
       "'end' expected for the item begun at line 55"},
      {std::string(kViews).substr(0,
                                  std::string(kViews).find("      item\n        Caption = 'Bob'")),
       55, "'>' expected for the collection begun at line 48"},
  };
  for (const Case& c : cases) {
    const auto [line, reason] = Refusal(c.text);
    EXPECT_EQ(line, c.line) << c.reason;
    EXPECT_EQ(reason, c.reason);
  }
}

// Lines refused leave the nodes as they were.
TEST_F(CommonFormFilesTest, NodesGivenAsLinesAreCheckedBeforeAnythingChanges) {
  auto* tree = Make<TTreeView>(form, "Tree2", {0, 0, 100, 100});
  tree->SetItemLines({"a", " b"});
  EXPECT_THROW(tree->SetItemLines({"a", "   c"}), ELineError);
  EXPECT_EQ(tree->ItemLines(), (std::vector<std::string>{"a", " b"}));  // unchanged
}

}  // namespace
