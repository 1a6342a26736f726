#pragma once
// Outlines: a tree of items shown in a one-column grid, a row for each item whose parents are all
// expanded. Items are counted from 1 in the order of the whole tree, collapsed ones included.
// Up, Down, PgUp, PgDn, Home and End move the selection over the rows; Enter and a double click
// expand a collapsed item and collapse an expanded one; '+' expands, '-' collapses and the keypad's
// '*' expands the selected item with every item below it. A left-button press selects the item of
// its row. Collapsing a parent of the selected item selects that parent. Row() is the selected
// item's row and Col() is 0.

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/grids.h"

class TCustomOutline;

class TOutlineNode {
 public:
  TOutlineNode(TCustomOutline* outline, TOutlineNode* parent, std::string text);
  TOutlineNode(const TOutlineNode&) = delete;
  TOutlineNode& operator=(const TOutlineNode&) = delete;

  std::string Text() const { return FText; }
  // The item's index in its outline, from 1.
  int Index() const { return FIndex; }
  // 1 for a top-level item.
  int Level() const { return FLevel; }
  TOutlineNode* Parent() const { return FParent; }
  bool HasItems() const { return !FChildren.empty(); }
  // Whether the item's children have rows when the item itself has one.
  bool Expanded() const { return FExpanded; }
  // Whether every item above this one is expanded, so that it has a row.
  bool IsVisible() const;
  // Expand and Collapse change an item with children; FullExpand expands it and every item below.
  void Expand() { SetExpanded(true); }
  void Collapse() { SetExpanded(false); }
  void FullExpand();

 private:
  friend class TCustomOutline;
  void SetExpanded(bool value);

  TCustomOutline* FOutline;
  TOutlineNode* FParent;
  std::string FText;
  int FIndex = 0;
  int FLevel = 1;
  int FRow = -1;  // the row shown for the item, -1 while a parent above it is collapsed
  bool FExpanded = false;
  std::vector<TOutlineNode*> FChildren;
};

class TCustomOutline : public TCustomGrid {
  COMPONENT_CLASS(TCustomOutline)

 public:
  explicit TCustomOutline(TComponent* owner);
  ~TCustomOutline() override;

  int ItemCount() const { return static_cast<int>(FItems.size()); }
  // The item at a 1-based index, or nullptr outside 1..ItemCount.
  TOutlineNode* Items(int index) const;
  // The selected item's index, 0 when the outline is empty. Setting it as the program does
  // selects that item (EInvalidOperation outside 1..ItemCount) and expands its parents.
  int SelectedItem() const { return FSelected ? FSelected->Index() : 0; }
  void SetSelectedItem(int index);
  // A new last child of `parent`, an item of this outline (a new top-level item without one).
  TOutlineNode* Add(TOutlineNode* parent, const std::string& text);
  void Clear();

  // The item's row among the rows shown, or -1 when a parent above it is collapsed.
  int RowOf(const TOutlineNode& node) const;
  // The item shown in a row, or nullptr.
  TOutlineNode* NodeAtRow(int row) const;

  // The items as form files store them: a line per item, indented by a tab per level below the
  // top. Read back, a tab or a space counts a level each. A line without text, or indented more
  // than one level below the line before it (the first line not at all), is refused with
  // ELineError, and nothing changes.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);

  void WndProc(TMessage& message) override;

 protected:
  void KeyDown(WPARAM key) override;
  void FocusCell(TGridCoord cell) override;

 private:
  friend class TOutlineNode;
  // The items or their expansion changed: the rows are laid out again.
  void RowsChanged();
  // The rows are laid out: the grid's row count follows, and the selection keeps its item (or the
  // parent that hides it), or takes the first when there was none.
  void RowsLaidOut();
  void Toggle(TOutlineNode& node);
  void Renumber(size_t from);

  std::vector<std::unique_ptr<TOutlineNode>> FItems;  // in tree order
  std::vector<TOutlineNode*> FRows;                   // the items shown, in row order
  TOutlineNode* FSelected = nullptr;
};

class TOutline : public TCustomOutline {
  COMPONENT_CLASS(TOutline)

 public:
  using TCustomOutline::TCustomOutline;
};
