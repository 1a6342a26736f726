#pragma once
// What a user does with header controls, tool bars, tree views and list views, played through the
// simulated mouse (and the system's menu loop for a tool button's drop-down menu), so that the
// controls react with their own message handling. Each action dispatches the messages it causes
// before it returns, and raises EInvalidOperation when the control cannot do it or has no such
// item, without touching it.

#include <string>
#include <string_view>

class THeaderControl;
class TListView;
class TToolButton;
class TTreeNode;
class TTreeView;

// The node that `path` names: the texts from a top-level node down, separated by vertical bars
// ("Fruit|Apple"). A node the user cannot see, because a node above it is collapsed, is an error
// that names the collapsed node.
TTreeNode& ShownTreeNode(const TTreeView& tree, std::string_view path);
// Scrolls the node into view and clicks its label; nothing when it is selected already (a click
// would begin editing it).
void SimulateTreeSelect(TTreeView& tree, TTreeNode& node);
// Clicks the node's expand button; the node must have children and be collapsed (expanded).
void SimulateTreeExpand(TTreeView& tree, TTreeNode& node, bool expand);
// Selects the node when it is not selected, then clicks its label to begin editing it, as the
// user does; the edit box then has the focus with the whole text selected. A read-only tree, or
// a parent that refuses the edit, is an error.
void SimulateBeginTreeEdit(TTreeView& tree, TTreeNode& node);

// The item with this caption (letter case ignored), or at this index when `item` is a number.
int ListViewItemIndex(const TListView& view, const std::string& item, bool isIndex);
// Scrolls the item into view and clicks its caption; nothing when it is selected already.
void SimulateListViewSelect(TListView& view, int index);
// As SimulateBeginTreeEdit, for a list view's item.
void SimulateBeginListViewEdit(TListView& view, int index);
// Clicks a column header of a list view in the report style.
void SimulateColumnClick(TListView& view, int index);

// Clicks a header section.
void SimulateSectionClick(THeaderControl& header, int index);
// Drags the divider at a section's right edge until the section is `width` wide, in a few moves.
void SimulateSectionResize(THeaderControl& header, int index, int width);

// Presses the arrow of a drop-down tool button. With `captions`, chooses that item ("Sub|Item")
// of the menu that drops down; without, the menu is closed again without a choice, as Esc does.
void SimulateToolDropDown(TToolButton& button, const std::string* captions);
