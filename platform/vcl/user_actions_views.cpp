// User actions on header controls, tool bars, tree views and list views.

#include "platform/vcl/user_actions_views.h"

#include <vector>

#include "platform/vcl/comctrls.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/user_actions.h"
#include "platform/win32/input.h"
#include "platform/win32/menus.h"

namespace {

// The child of `parent` (or the top-level node) with this text.
TTreeNode* ChildNode(const TTreeView& tree, const TTreeNode* parent, std::string_view text) {
  const TTreeNodes& nodes = *tree.Items();
  const int count = parent ? parent->Count() : nodes.TopLevelCount();
  for (int i = 0; i < count; ++i) {
    TTreeNode* child = parent ? parent->Item(i) : nodes.TopLevel(i);
    if (child->Text() == text) return child;
  }
  return nullptr;
}

void CheckEditable(const TWinControl& view, bool readOnly) {
  if (readOnly) throw EInvalidOperation(view.Name() + " is read-only: its labels cannot be edited");
}

void CheckEditBegun(const TWinControl& view, bool editing) {
  if (!editing) throw EInvalidOperation(view.Name() + " did not begin editing the label");
}

}  // namespace

// ---- tree views ---------------------------------------------------------------------------------

TTreeNode& ShownTreeNode(const TTreeView& tree, std::string_view path) {
  TTreeNode* node = nullptr;
  std::string_view rest = path;
  for (;;) {
    const size_t bar = rest.find('|');
    const std::string_view text = rest.substr(0, bar);
    if (node && !node->Expanded())
      throw EInvalidOperation(Format("The node '%s' of %s is hidden in the collapsed node '%s'",
                                     std::string(text), tree.Name(), node->Text()));
    TTreeNode* child = ChildNode(tree, node, text);
    if (!child)
      throw EInvalidOperation(Format("%s has no node '%s'", tree.Name(), std::string(path)));
    node = child;
    if (bar == std::string_view::npos) return *node;
    rest.remove_prefix(bar + 1);
  }
}

void SimulateTreeSelect(TTreeView& tree, TTreeNode& node) {
  if (tree.Selected() == &node) return;
  tree.MakeVisible(node);
  SimulateClickAt(tree, tree.LabelPoint(node));
}

void SimulateTreeExpand(TTreeView& tree, TTreeNode& node, bool expand) {
  if (!node.HasChildren())
    throw EInvalidOperation(Format("The node '%s' of %s has no children to %s", node.Text(),
                                   tree.Name(), std::string(expand ? "expand" : "collapse")));
  if (node.Expanded() == expand)
    throw EInvalidOperation(Format("The node '%s' of %s is %s already", node.Text(), tree.Name(),
                                   std::string(expand ? "expanded" : "collapsed")));
  tree.MakeVisible(node);
  SimulateClickAt(tree, tree.ButtonPoint(node));
}

void SimulateBeginTreeEdit(TTreeView& tree, TTreeNode& node) {
  CheckEditable(tree, tree.ReadOnly());
  SimulateTreeSelect(tree, node);
  if (tree.Selected() != &node)
    throw EInvalidOperation(Format("%s did not select the node '%s'", tree.Name(), node.Text()));
  tree.MakeVisible(node);
  SimulateClickAt(tree, tree.LabelPoint(node));
  CheckEditBegun(tree, tree.IsEditing());
}

// ---- list views ---------------------------------------------------------------------------------

int ListViewItemIndex(const TListView& view, const std::string& item, bool isIndex) {
  const TListItems& items = *view.Items();
  if (isIndex) {
    const int index = StrToInt(item);
    if (index < 0 || index >= items.Count())
      throw EInvalidOperation(Format("%s has no item %d", view.Name(), index));
    return index;
  }
  const TListItem* found = items.FindCaption(item);
  if (!found) throw EInvalidOperation(Format("%s has no item \"%s\"", view.Name(), item));
  return found->Index();
}

void SimulateListViewSelect(TListView& view, int index) {
  if (view.ItemIndex() == index) return;
  view.MakeVisible(index);
  SimulateClickAt(view, view.ItemPoint(index));
}

void SimulateBeginListViewEdit(TListView& view, int index) {
  CheckEditable(view, view.ReadOnly());
  SimulateListViewSelect(view, index);
  if (view.ItemIndex() != index)
    throw EInvalidOperation(Format("%s did not select the item %d", view.Name(), index));
  view.MakeVisible(index);
  SimulateClickAt(view, view.ItemPoint(index));
  CheckEditBegun(view, view.IsEditing());
}

void SimulateColumnClick(TListView& view, int index) {
  if (view.ViewStyle() != vsReport)
    throw EInvalidOperation(view.Name() + " shows no column headers (ViewStyle is not vsReport)");
  if (!view.Column(index))
    throw EInvalidOperation(Format("%s has no column %d", view.Name(), index));
  SimulateClickAt(view, view.ColumnPoint(index));
}

// ---- header controls ----------------------------------------------------------------------------

namespace {

THeaderSection& SectionOf(const THeaderControl& header, int index) {
  if (index < 0 || index >= header.Sections()->Count())
    throw EInvalidOperation(Format("%s has no section %d", header.Name(), index));
  return *header.Sections()->Items(index);
}

}  // namespace

void SimulateSectionClick(THeaderControl& header, int index) {
  const THeaderSection& section = SectionOf(header, index);
  const int middle = section.Left() + section.Width() / 2;
  if (header.DividerAt(middle) >= 0)  // a press there would grab a divider
    throw EInvalidOperation(
        Format("The section %d of %s is too narrow to click", index, header.Name()));
  SimulateClickAt(header, {middle, header.Height() / 2});
}

void SimulateSectionResize(THeaderControl& header, int index, int width) {
  const THeaderSection& section = SectionOf(header, index);
  if (width < 0) throw EInvalidOperation(Format("A section cannot be %d wide", width));
  const int divider = section.Left() + section.Width();
  const int grabbed = header.DividerAt(divider);
  if (grabbed != index)
    throw EInvalidOperation(Format("The divider of section %d of %s lies under that of section %d",
                                   index, header.Name(), grabbed));
  const int y = header.Height() / 2;
  SimulateUserDrag(header, {divider, y}, {section.Left() + width, y});
}

// ---- tool bars ----------------------------------------------------------------------------------

void SimulateToolDropDown(TToolButton& button, const std::string* captions) {
  if (button.Style() != tbsDropDown)
    throw EInvalidOperation(button.Name() + " has no drop-down arrow");
  if (!button.Enabled()) throw EInvalidOperation(button.Name() + " is disabled");
  TToolBar* bar = button.ToolBar();
  if (!bar) throw EInvalidOperation(button.Name() + " is not on a tool bar");
  if (captions) {
    if (!button.DropdownMenu())
      throw EInvalidOperation(button.Name() + " has no drop-down menu to choose from");
    const std::vector<int> positions = MenuItemPositions(*button.DropdownMenu(), *captions);
    SimulateNextPopupChoice(positions);
  }
  const POINT arrow{button.Left() + button.Width() - TToolButton::kArrowWidth / 2,
                    button.Top() + button.Height() / 2};
  SimulateClickAt(*bar, arrow);
  CancelPendingPopupChoice();  // in case no menu opened
}
