// Outlines: their items, rows, expansion and selection.

#include "platform/vcl/outline.h"

#include <algorithm>

#include "platform/vcl/errors.h"
#include "platform/vcl/std_control.h"

namespace {

// The number of leading tabs and spaces of a form-file line: its item's level below the top.
size_t IndentOfLine(const std::string& line) { return line.find_first_not_of("\t "); }

}  // namespace

// ---- TOutlineNode -------------------------------------------------------------------------------

TOutlineNode::TOutlineNode(TCustomOutline* outline, TOutlineNode* parent, std::string text)
    : FOutline(outline),
      FParent(parent),
      FText(std::move(text)),
      FLevel(parent ? parent->FLevel + 1 : 1) {}

bool TOutlineNode::IsVisible() const {
  for (const TOutlineNode* p = FParent; p; p = p->FParent)
    if (!p->FExpanded) return false;
  return true;
}

void TOutlineNode::SetExpanded(bool value) {
  if (FChildren.empty() || FExpanded == value) return;
  FExpanded = value;
  FOutline->RowsChanged();
}

// The item's descendants follow it in the outline's order, up to the next item of its level or
// above.
void TOutlineNode::FullExpand() {
  for (int i = FIndex; i <= FOutline->ItemCount(); ++i) {
    TOutlineNode* node = FOutline->Items(i);
    if (i > FIndex && node->FLevel <= FLevel) break;
    node->FExpanded = node->HasItems();
  }
  FOutline->RowsChanged();
}

// ---- TCustomOutline -----------------------------------------------------------------------------

const TComponentClass& TCustomOutline::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomOutline",
      .Parent = &TCustomGrid::StaticClass(),
  });
  return cls;
}

// One column and no fixed cells: a single column or row takes the fixed ones away.
TCustomOutline::TCustomOutline(TComponent* owner) : TCustomGrid(owner) {
  SetColCount(1);
  SetRowCount(1);
  SetOptions({});
  SetBounds(0, 0, 121, 97);  // the framework's size for a new outline
}

TCustomOutline::~TCustomOutline() = default;

TOutlineNode* TCustomOutline::Items(int index) const {
  if (index < 1 || index > ItemCount()) return nullptr;
  return FItems[static_cast<size_t>(index - 1)].get();
}

void TCustomOutline::SetSelectedItem(int index) {
  TOutlineNode* node = Items(index);
  if (!node) throw EInvalidOperation(Format("%s has no item %d", Name(), index));
  for (TOutlineNode* p = node->FParent; p; p = p->FParent) p->FExpanded = true;
  FSelected = node;
  RowsChanged();
}

TOutlineNode* TCustomOutline::Add(TOutlineNode* parent, const std::string& text) {
  if (parent && parent->FOutline != this)
    throw EInvalidOperation(Format("The item '%s' is not an item of %s", parent->FText, Name()));
  // A new child goes after its parent's last descendant.
  size_t position = FItems.size();
  if (parent) {
    const TOutlineNode* last = parent;
    while (last->HasItems()) last = last->FChildren.back();
    position = static_cast<size_t>(last->FIndex);
  }
  auto node = std::make_unique<TOutlineNode>(this, parent, text);
  TOutlineNode* added = node.get();
  FItems.insert(FItems.begin() + static_cast<ptrdiff_t>(position), std::move(node));
  if (parent) parent->FChildren.push_back(added);
  Renumber(position);
  if (position + 1 < FItems.size()) {
    RowsChanged();
    return added;
  }
  // An item added at the end leaves the rows before it as they are.
  if (added->IsVisible()) {
    added->FRow = static_cast<int>(FRows.size());
    FRows.push_back(added);
  }
  RowsLaidOut();
  return added;
}

void TCustomOutline::Clear() {
  FSelected = nullptr;
  FRows.clear();
  FItems.clear();
  RowsChanged();
}

void TCustomOutline::Renumber(size_t from) {
  for (size_t i = from; i < FItems.size(); ++i) FItems[i]->FIndex = static_cast<int>(i) + 1;
}

void TCustomOutline::RowsChanged() {
  FRows.clear();
  for (size_t i = 0; i < FItems.size();) {
    TOutlineNode* node = FItems[i].get();
    node->FRow = static_cast<int>(FRows.size());
    FRows.push_back(node);
    ++i;
    if (!node->FExpanded)  // its descendants have no rows
      while (i < FItems.size() && FItems[i]->FLevel > node->FLevel) FItems[i++]->FRow = -1;
  }
  RowsLaidOut();
}

void TCustomOutline::RowsLaidOut() {
  // A selected item hidden by a collapse gives the selection to the parent that has a row.
  while (FSelected && FSelected->FRow < 0) FSelected = FSelected->FParent;
  if (!FSelected && !FRows.empty()) FSelected = FRows.front();
  SetRowCount(std::max(static_cast<int>(FRows.size()), 1));
  MoveCurrent({0, FSelected ? FSelected->FRow : 0});
}

int TCustomOutline::RowOf(const TOutlineNode& node) const { return node.FRow; }

TOutlineNode* TCustomOutline::NodeAtRow(int row) const {
  if (row < 0 || static_cast<size_t>(row) >= FRows.size()) return nullptr;
  return FRows[static_cast<size_t>(row)];
}

void TCustomOutline::FocusCell(TGridCoord cell) {
  TOutlineNode* node = NodeAtRow(cell.Y);
  if (!node) return;
  FSelected = node;
  MoveCurrent({0, cell.Y});
}

void TCustomOutline::Toggle(TOutlineNode& node) { node.SetExpanded(!node.Expanded()); }

std::vector<std::string> TCustomOutline::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(FItems.size());
  for (const auto& node : FItems)
    lines.push_back(std::string(static_cast<size_t>(node->FLevel - 1), '\t') + node->FText);
  return lines;
}

void TCustomOutline::SetLines(const std::vector<std::string>& lines) {
  size_t previous = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t indent = IndentOfLine(lines[i]);
    const int index = static_cast<int>(i);
    if (indent == std::string::npos) throw ELineError(index, "An outline item needs a text");
    if (i == 0 && indent > 0)
      throw ELineError(index, "The first outline item must not be indented: '" + lines[i] + "'");
    if (i > 0 && indent > previous + 1)
      throw ELineError(index, Format("The outline item '%s' is indented %d levels below the one "
                                     "before it; one level at most",
                                     lines[i].substr(indent), static_cast<int>(indent - previous)));
    previous = indent;
  }
  Clear();
  FItems.reserve(lines.size());
  std::vector<TOutlineNode*> parents;  // the last item read at each level
  for (const std::string& line : lines) {
    const size_t indent = IndentOfLine(line);
    parents.resize(indent);
    TOutlineNode* parent = indent > 0 ? parents[indent - 1] : nullptr;
    FItems.push_back(std::make_unique<TOutlineNode>(this, parent, line.substr(indent)));
    TOutlineNode* node = FItems.back().get();
    node->FIndex = static_cast<int>(FItems.size());
    if (parent) parent->FChildren.push_back(node);
    parents.push_back(node);
  }
  RowsChanged();
}

void TCustomOutline::KeyDown(WPARAM key) {
  switch (key) {
    case VK_HOME:
      FocusCell({0, 0});
      return;
    case VK_END:
      FocusCell({0, static_cast<int>(FRows.size()) - 1});
      return;
    case VK_RETURN:
      if (FSelected) Toggle(*FSelected);
      return;
    case VK_MULTIPLY:
      if (FSelected) FSelected->FullExpand();
      return;
  }
  TCustomGrid::KeyDown(key);
}

void TCustomOutline::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
      return;
    case WM_CHAR:
      // '+' and '-' (the keypad's too) expand and collapse the selected item.
      if (FSelected && message.WParam == '+') FSelected->Expand();
      if (FSelected && message.WParam == '-') FSelected->Collapse();
      return;
    case WM_LBUTTONDBLCLK: {
      // The second press of a double click: the item of its row is selected, and toggles.
      const POINT point = PointOfMessage(message.LParam);
      MouseDown(point);
      if (FSelected && MouseCoord(point.x, point.y).Y == RowOf(*FSelected)) Toggle(*FSelected);
      return;
    }
  }
  TCustomGrid::WndProc(message);
}

const TComponentClass& TOutline::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomOutline::Lines, &TCustomOutline::SetLines>("Lines"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TOutline",
      .Parent = &TCustomOutline::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TOutline>,
  });
  return cls;
}
