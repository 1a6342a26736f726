// Tree views: nodes and their absolute indexes, expansion and selection by mouse and keys, and
// label editing, as the parent sees them.

#include "tests/controls/views_fixture.h"

namespace {

class TreeViewTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    tree = Make<TTreeView>(form, "Tree1", {10, 10, 200, 160});
    tree->SetItemLines({"Fruit", " Apple", " Pear", "  Williams", "Vegetables", " Leek"});
    form->Handle();
    Forget();
  }

  TTreeNode& Node(std::string_view path) { return ShownTreeNode(*tree, path); }
  void Expand(std::string_view path) { SimulateTreeExpand(*tree, Node(path), true); }

  TTreeView* tree = nullptr;
};

TEST_F(TreeViewTest, NodesKnowTheirPlaceInTheWholeTreeAndTheirHandles) {
  const TTreeNodes& nodes = *tree->Items();
  ASSERT_EQ(nodes.Count(), 6);
  TTreeNode* pear = nodes.Item(2);
  EXPECT_EQ(pear->Text(), "Pear");
  EXPECT_EQ(pear->Parent(), nodes.Item(0));
  EXPECT_EQ(pear->Level(), 1);
  EXPECT_EQ(pear->Index(), 1);
  EXPECT_EQ(nodes.Item(0)->Count(), 2);
  EXPECT_EQ(nodes.GetNode(pear->ItemId()), pear);
  EXPECT_EQ(nodes.GetNode(nullptr), nullptr);
  EXPECT_EQ(nodes.GetNode(reinterpret_cast<HTREEITEM>(uintptr_t{999})), nullptr);
  // A child added in the middle moves the nodes after it on.
  TTreeNode* quince = tree->Items()->AddChild(nodes.Item(0), "Quince");
  EXPECT_EQ(quince->AbsoluteIndex(), 4);
  EXPECT_EQ(nodes.Item(5)->Text(), "Vegetables");
  EXPECT_EQ(nodes.Item(5)->AbsoluteIndex(), 5);
  EXPECT_EQ(tree->ItemLines(), (std::vector<std::string>{"Fruit", " Apple", " Pear", "  Williams",
                                                         " Quince", "Vegetables", " Leek"}));
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 7);
}

TEST_F(TreeViewTest, MouseExpandsAtTheButtonAndSelectsAtTheLabel) {
  Expand("Fruit");
  SimulateTreeSelect(*tree, Node("Fruit|Pear"));
  SimulateTreeSelect(*tree, Node("Fruit|Pear"));  // selected already: no click
  SimulateTreeExpand(*tree, Node("Fruit"), false);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "TVN_ITEMEXPANDINGA none->Fruit 2",
                           "TVN_ITEMEXPANDEDA none->Fruit 2",
                           "TVN_SELCHANGINGA none->Pear 1",
                           "TVN_SELCHANGEDA none->Pear 1",
                           "TVN_ITEMEXPANDINGA none->Fruit 1",
                           // the selection hidden by the collapse goes to the collapsed node
                           "TVN_SELCHANGINGA Pear->Fruit 0",
                           "TVN_SELCHANGEDA Pear->Fruit 0",
                           "TVN_ITEMEXPANDEDA none->Fruit 1",
                       }));
  EXPECT_TRUE(tree->Focused());
  EXPECT_FALSE(Node("Fruit").Expanded());
}

TEST_F(TreeViewTest, HiddenNodesLeafNodesAndRepeatedExpansionsAreRefused) {
  try {
    Node("Fruit|Pear|Williams");
    FAIL() << "a hidden node was found";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "The node 'Pear' of Tree1 is hidden in the collapsed node 'Fruit'");
  }
  EXPECT_THROW(Node("Fruit|Plum"), EInvalidOperation);
  Expand("Fruit");
  EXPECT_THROW(Expand("Fruit"), EInvalidOperation);
  EXPECT_THROW(Expand("Fruit|Apple"), EInvalidOperation);
  Notices();
  SimulateClickAt(*tree, tree->ButtonPoint(Node("Fruit|Apple")));  // a leaf has no button to click
  EXPECT_TRUE(Notices().empty());
}

TEST_F(TreeViewTest, KeysMoveTheSelectionAndExpandAndCollapse) {
  tree->SetFocus();
  Key(VK_DOWN);            // Fruit
  Key(VK_RIGHT);           // expands it
  Key(VK_RIGHT);           // to Apple
  Key(VK_LEFT);            // back to Fruit
  Key(VK_OEM_PLUS, true);  // '+' on an expanded node: nothing
  Key(VK_OEM_MINUS);       // '-' collapses
  Key(VK_ADD);             // the keypad's '+' expands
  Key(VK_END);             // Vegetables
  Key(VK_HOME);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "TVN_SELCHANGINGA none->Fruit 2",
                           "TVN_SELCHANGEDA none->Fruit 2",
                           "TVN_ITEMEXPANDINGA none->Fruit 2",
                           "TVN_ITEMEXPANDEDA none->Fruit 2",
                           "TVN_SELCHANGINGA Fruit->Apple 2",
                           "TVN_SELCHANGEDA Fruit->Apple 2",
                           "TVN_SELCHANGINGA Apple->Fruit 2",
                           "TVN_SELCHANGEDA Apple->Fruit 2",
                           "TVN_ITEMEXPANDINGA none->Fruit 1",
                           "TVN_ITEMEXPANDEDA none->Fruit 1",
                           "TVN_ITEMEXPANDINGA none->Fruit 2",
                           "TVN_ITEMEXPANDEDA none->Fruit 2",
                           "TVN_SELCHANGINGA Fruit->Vegetables 2",
                           "TVN_SELCHANGEDA Fruit->Vegetables 2",
                           "TVN_SELCHANGINGA Vegetables->Fruit 2",
                           "TVN_SELCHANGEDA Vegetables->Fruit 2",
                       }));
  EXPECT_EQ(tree->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTARROWS | DLGC_WANTCHARS),
            DLGC_WANTARROWS | DLGC_WANTCHARS);
}

// A click on the label of the node already selected opens the edit box; Enter ends the edit with
// the typed text, which the node takes, and the focus comes back to the tree.
TEST_F(TreeViewTest, ALabelEditFinishedWithEnterRenamesTheNode) {
  SimulateBeginTreeEdit(*tree, Node("Fruit"));
  ASSERT_TRUE(tree->IsEditing());
  EXPECT_EQ(GetFocus(), tree->EditHandle());
  Type("FRUITS");
  Key(VK_RETURN);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "TVN_SELCHANGINGA none->Fruit 1",
                           "TVN_SELCHANGEDA none->Fruit 1",
                           "TVN_BEGINLABELEDITA Fruit 'Fruit'",
                           "TVN_ENDLABELEDITA Fruit 'fruits'",
                       }));
  EXPECT_EQ(tree->Items()->Item(0)->Text(), "fruits");
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_TRUE(tree->Focused());
}

TEST_F(TreeViewTest, EscCancelsAnEditWithANullTextAndF2BeginsOne) {
  tree->SetFocus();
  Key(VK_DOWN);
  Notices();
  Key(VK_F1 + 1);
  ASSERT_TRUE(tree->IsEditing());
  Type("X");
  Key(VK_ESCAPE);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"TVN_BEGINLABELEDITA Fruit 'Fruit'",
                                                 "TVN_ENDLABELEDITA Fruit null"}));
  EXPECT_EQ(tree->Items()->Item(0)->Text(), "Fruit");
  EXPECT_TRUE(tree->Focused());
}

TEST_F(TreeViewTest, LeavingTheEditBoxFinishesTheEdit) {
  auto* other = Make<TEdit>(form, "Edit1", {10, 200, 100, 20});
  SimulateBeginTreeEdit(*tree, Node("Vegetables"));
  Type("GREENS");
  Notices();
  Click(*other);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"TVN_ENDLABELEDITA Vegetables 'greens'"}));
  EXPECT_EQ(Node("greens").AbsoluteIndex(), 4);
  EXPECT_TRUE(other->Focused());
}

TEST_F(TreeViewTest, AReadOnlyTreeEditsNoLabels) {
  tree->SetReadOnly(true);
  SimulateTreeSelect(*tree, Node("Fruit"));
  SimulateClickAt(*tree, tree->LabelPoint(Node("Fruit")));
  Key(VK_F1 + 1);
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_THROW(SimulateBeginTreeEdit(*tree, Node("Fruit")), EInvalidOperation);
  EXPECT_EQ(Notices().size(), 2u);  // the selection only
}

// Nodes cleared while a label is edited: the edit is cancelled, and nothing refers to the nodes.
TEST_F(TreeViewTest, ClearingTheNodesCancelsAnEditAndTheSelection) {
  SimulateBeginTreeEdit(*tree, Node("Fruit"));
  Notices();
  tree->Items()->Clear();
  EXPECT_EQ(Notices(), (std::vector<std::string>{"TVN_ENDLABELEDITA Fruit null"}));
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_EQ(tree->Selected(), nullptr);
  Key(VK_DOWN);
  EXPECT_TRUE(Notices().empty());
}

}  // namespace
