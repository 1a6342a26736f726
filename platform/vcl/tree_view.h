#pragma once
// TTreeView: nodes in a tree, shown one per row with the children of expanded nodes below them.
// Clicking a node's button (left of its label) or pressing Right/Left, + or - (the keypad's too)
// expands or collapses it (TVN_ITEMEXPANDINGA, then TVN_ITEMEXPANDEDA); a click on a label and
// the Up, Down, Home and End keys select a node (TVN_SELCHANGINGA, then TVN_SELCHANGEDA). A click
// on the label of the node already selected, or F2, begins editing the label in an edit box
// (TVN_BEGINLABELEDITA); Enter or leaving the box ends the edit and Esc cancels it
// (TVN_ENDLABELEDITA, with a null text when cancelled). A read-only tree does not edit labels.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/vcl/label_editor.h"
#include "platform/vcl/win_control.h"

class TTreeNodes;
class TTreeView;

class TTreeNode {
 public:
  TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text, HTREEITEM id);
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const std::string& Text() const { return FText; }
  void SetText(const std::string& value) { FText = value; }
  // The node's position among all nodes of the tree in list order, expanded or not.
  int AbsoluteIndex() const { return FAbsoluteIndex; }
  // The handle that notifications carry for the node.
  HTREEITEM ItemId() const { return FItemId; }
  TTreeNode* Parent() const { return FParent; }
  // 0 for a top-level node.
  int Level() const;
  bool Expanded() const { return FExpanded; }
  // Expands or collapses the node as the program does: no notification.
  void SetExpanded(bool value) { FExpanded = value && !FChildren.empty(); }
  int Count() const { return static_cast<int>(FChildren.size()); }
  bool HasChildren() const { return !FChildren.empty(); }
  // Raises EListError out of range.
  TTreeNode* Item(int index) const;
  // The node's position among its parent's children (or among the top-level nodes).
  int Index() const;
  TTreeNodes* Owner() const { return FOwner; }
  // Whether every node above this one is expanded, so that it has a row.
  bool IsVisible() const;

 private:
  friend class TTreeNodes;
  TTreeNodes* FOwner;
  TTreeNode* FParent;
  std::string FText;
  HTREEITEM FItemId;
  int FAbsoluteIndex = 0;
  bool FExpanded = false;
  std::vector<TTreeNode*> FChildren;
};

class TTreeNodes {
 public:
  explicit TTreeNodes(TTreeView* owner) : FOwner(owner) {}
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  int Count() const { return static_cast<int>(FNodes.size()); }
  // The node at an absolute index; raises EListError out of range.
  TTreeNode* Item(int index) const;
  // The node of a handle, or nullptr for a handle the tree does not know.
  TTreeNode* GetNode(HTREEITEM item) const;
  // The top-level node with this index, or nullptr.
  TTreeNode* TopLevel(int index) const;
  int TopLevelCount() const { return static_cast<int>(FTopLevel.size()); }
  // A new last child of `parent`, or a new last top-level node when `parent` is nullptr.
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  // A new last top-level node.
  TTreeNode* Add(const std::string& text) { return AddChild(nullptr, text); }
  void Clear();
  TTreeView* Owner() const { return FOwner; }

  // The nodes as lines, each indented by one space per level: how form files store them.
  std::vector<std::string> Lines() const;
  // Replaces the nodes with those of `lines`. A line that is empty after its spaces, or that is
  // indented more than one level below the line before it (the first line not at all), is
  // refused with ELineError; nothing changes then.
  void SetLines(const std::vector<std::string>& lines);

 private:
  void Renumber(size_t from);

  TTreeView* FOwner;
  std::vector<std::unique_ptr<TTreeNode>> FNodes;  // in list order
  std::vector<TTreeNode*> FTopLevel;
  std::unordered_map<HTREEITEM, TTreeNode*> FById;
  uintptr_t FLastId = 0;
};

class TTreeView : public TWinControl {
  COMPONENT_CLASS(TTreeView)

 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;

  TTreeNodes* Items() const { return &FItems; }
  // The selected node, or nullptr. Setting it as the program does sends no notification.
  TTreeNode* Selected() const { return FSelected; }
  void SetSelected(TTreeNode* node) { FSelected = node; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool IsEditing() const { return FEditor.Editing(); }
  // The edit box of the label being edited, or 0.
  HWND EditHandle() const { return FEditor.Handle(); }

  int ItemHeight() const { return FItemHeight; }
  int Indent() const { return FIndent; }
  // The first row shown.
  int TopRow() const { return FTopRow; }
  void SetTopRow(int value);
  // The node's row among the rows shown, or -1 when a parent above it is collapsed.
  int RowOf(const TTreeNode& node) const;
  // Client points of the node's expand button and of its label (for a node that has a row).
  POINT ButtonPoint(const TTreeNode& node) const;
  POINT LabelPoint(const TTreeNode& node) const;
  // Scrolls the node's row into view.
  void MakeVisible(const TTreeNode& node);

  // The nodes as form files store them (see TTreeNodes::Lines).
  std::vector<std::string> ItemLines() const;
  void SetItemLines(const std::vector<std::string>& lines);

  void WndProc(TMessage& message) override;

 private:
  friend class TTreeNodes;
  std::vector<TTreeNode*> Rows() const;
  int VisibleRows() const;
  void Pressed(POINT point);
  void KeyPressed(WPARAM key);
  // Expands or collapses as the user does, with the notifications; `action` is TVE_EXPAND,
  // TVE_COLLAPSE or TVE_TOGGLE.
  void Expand(TTreeNode& node, UINT action);
  void Select(TTreeNode* node, UINT how);
  void BeginEdit();
  void EditEnded(const std::string* typed);
  void NodesCleared();

  mutable TTreeNodes FItems;
  TTreeNode* FSelected = nullptr;
  bool FReadOnly = false;
  int FItemHeight = 16;
  int FIndent = 19;
  int FTopRow = 0;
  TTreeNode* FEditing = nullptr;  // the node whose label is being edited
  bool FEditOnRelease = false;    // a press on the selected node's label edits it at the release
  TLabelEditor FEditor;
};
