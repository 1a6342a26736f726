// TTreeView: its nodes, rows, expansion, selection and label editing.

#include "platform/vcl/tree_view.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/errors.h"
#include "platform/vcl/std_control.h"

namespace {

constexpr BYTE VK_F2 = VK_F1 + 1;
// How wide a label is taken to be, per character and around the text.
constexpr int kCharWidth = 7;
constexpr int kLabelMargin = 6;

// The number of leading spaces of a form-file line: its node's level.
size_t LevelOfLine(const std::string& line) { return line.find_first_not_of(' '); }

}  // namespace

// ---- TTreeNode ----------------------------------------------------------------------------------

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text, HTREEITEM id)
    : FOwner(owner), FParent(parent), FText(std::move(text)), FItemId(id) {}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = FParent; p; p = p->FParent) ++level;
  return level;
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FChildren[static_cast<size_t>(index)];
}

int TTreeNode::Index() const {
  const int absolute = FAbsoluteIndex;
  const int siblings = FParent ? FParent->Count() : FOwner->TopLevelCount();
  for (int i = 0; i < siblings; ++i)
    if ((FParent ? FParent->Item(i) : FOwner->TopLevel(i))->AbsoluteIndex() == absolute) return i;
  return -1;
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* p = FParent; p; p = p->FParent)
    if (!p->FExpanded) return false;
  return true;
}

// ---- TTreeNodes ---------------------------------------------------------------------------------

TTreeNode* TTreeNodes::Item(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FNodes[static_cast<size_t>(index)].get();
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM item) const {
  auto it = FById.find(item);
  return it == FById.end() ? nullptr : it->second;
}

TTreeNode* TTreeNodes::TopLevel(int index) const {
  if (index < 0 || index >= TopLevelCount()) return nullptr;
  return FTopLevel[static_cast<size_t>(index)];
}

namespace {

// The absolute index after a node's last descendant, found down its last children.
int SubtreeEnd(const TTreeNode& node) {
  const TTreeNode* last = &node;
  while (last->HasChildren()) last = last->Item(last->Count() - 1);
  return last->AbsoluteIndex() + 1;
}

}  // namespace

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  const size_t position = parent ? static_cast<size_t>(SubtreeEnd(*parent)) : FNodes.size();
  const auto id = reinterpret_cast<HTREEITEM>(++FLastId);
  auto node = std::make_unique<TTreeNode>(this, parent, text, id);
  TTreeNode* added = node.get();
  FNodes.insert(FNodes.begin() + static_cast<ptrdiff_t>(position), std::move(node));
  (parent ? parent->FChildren : FTopLevel).push_back(added);
  FById.emplace(id, added);
  Renumber(position);
  return added;
}

void TTreeNodes::Renumber(size_t from) {
  for (size_t i = from; i < FNodes.size(); ++i) FNodes[i]->FAbsoluteIndex = static_cast<int>(i);
}

void TTreeNodes::Clear() {
  if (FOwner) FOwner->NodesCleared();
  FNodes.clear();
  FTopLevel.clear();
  FById.clear();
}

std::vector<std::string> TTreeNodes::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(FNodes.size());
  for (const auto& node : FNodes)
    lines.push_back(std::string(static_cast<size_t>(node->Level()), ' ') + node->Text());
  return lines;
}

void TTreeNodes::SetLines(const std::vector<std::string>& lines) {
  size_t previous = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t level = LevelOfLine(lines[i]);
    const int index = static_cast<int>(i);
    if (level == std::string::npos) throw ELineError(index, "A tree node needs a text");
    if (i == 0 && level > 0)
      throw ELineError(index, "The first tree node must not be indented: '" + lines[i] + "'");
    if (i > 0 && level > previous + 1)
      throw ELineError(index, Format("The tree node '%s' is indented %d levels below the one "
                                     "before it; one level at most",
                                     lines[i].substr(level), static_cast<int>(level - previous)));
    previous = level;
  }
  Clear();
  std::vector<TTreeNode*> parents;  // the last node read at each level
  for (const std::string& line : lines) {
    const size_t level = LevelOfLine(line);
    parents.resize(level);
    parents.push_back(AddChild(level > 0 ? parents[level - 1] : nullptr, line.substr(level)));
  }
}

// ---- TTreeView ----------------------------------------------------------------------------------

const TComponentClass& TTreeView::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TTreeView::ItemLines, &TTreeView::SetItemLines>("Items"),
      Published<&TTreeView::ReadOnly, &TTreeView::SetReadOnly>("ReadOnly", {.Default = false}),
      kTabOrderProperty,
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TTreeView",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TTreeView>,
  });
  return cls;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), FItems(this) {
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);  // the framework's size for a new tree view
}

// The edit box and the nodes go before the window does.
TTreeView::~TTreeView() {
  FEditor.Discard();
  FItems.Clear();
}

void TTreeView::NodesCleared() {
  FEditor.End(true);
  FSelected = nullptr;
  FEditing = nullptr;
  FTopRow = 0;
}

std::vector<TTreeNode*> TTreeView::Rows() const {
  std::vector<TTreeNode*> rows;
  for (int i = 0; i < FItems.Count();) {
    TTreeNode* node = FItems.Item(i);
    rows.push_back(node);
    i = node->Expanded() ? i + 1 : SubtreeEnd(*node);
  }
  return rows;
}

int TTreeView::VisibleRows() const { return std::max(Height() / FItemHeight, 1); }

void TTreeView::SetTopRow(int value) {
  FTopRow = std::clamp(value, 0, std::max(static_cast<int>(Rows().size()) - 1, 0));
}

int TTreeView::RowOf(const TTreeNode& node) const {
  if (!node.IsVisible()) return -1;
  const std::vector<TTreeNode*> rows = Rows();
  auto it = std::find(rows.begin(), rows.end(), &node);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void TTreeView::MakeVisible(const TTreeNode& node) {
  const int row = RowOf(node);
  if (row < 0) return;
  if (row < FTopRow) FTopRow = row;
  if (row >= FTopRow + VisibleRows()) FTopRow = row - VisibleRows() + 1;
}

POINT TTreeView::ButtonPoint(const TTreeNode& node) const {
  return {node.Level() * FIndent + FIndent / 2,
          (RowOf(node) - FTopRow) * FItemHeight + FItemHeight / 2};
}

POINT TTreeView::LabelPoint(const TTreeNode& node) const {
  return {(node.Level() + 1) * FIndent + kLabelMargin,
          (RowOf(node) - FTopRow) * FItemHeight + FItemHeight / 2};
}

std::vector<std::string> TTreeView::ItemLines() const { return FItems.Lines(); }

void TTreeView::SetItemLines(const std::vector<std::string>& lines) { FItems.SetLines(lines); }

void TTreeView::Expand(TTreeNode& node, UINT action) {
  if (!node.HasChildren()) return;
  if (action == TVE_TOGGLE) action = node.Expanded() ? TVE_COLLAPSE : TVE_EXPAND;
  if ((action == TVE_EXPAND) == node.Expanded()) return;
  NMTREEVIEWA info;
  info.action = action;
  info.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_TEXT;
  info.itemNew.hItem = node.ItemId();
  info.itemNew.state = node.Expanded() ? TVIS_EXPANDED : 0;
  std::string text = node.Text();
  info.itemNew.pszText = text.data();
  if (NotifyParentWindow(TVN_ITEMEXPANDINGA, info.hdr) != 0) return;  // the parent refused
  node.SetExpanded(action == TVE_EXPAND);
  // A selected node hidden by the collapse gives the selection to the collapsed node.
  if (FSelected && !FSelected->IsVisible()) Select(&node, TVC_UNKNOWN);
  SetTopRow(FTopRow);
  info.itemNew.state = node.Expanded() ? TVIS_EXPANDED : 0;
  NotifyParentWindow(TVN_ITEMEXPANDEDA, info.hdr);
}

void TTreeView::Select(TTreeNode* node, UINT how) {
  if (node == FSelected) return;
  NMTREEVIEWA info;
  info.action = how;
  std::string oldText = FSelected ? FSelected->Text() : std::string();
  std::string newText = node ? node->Text() : std::string();
  info.itemOld.mask = info.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_TEXT;
  info.itemOld.hItem = FSelected ? FSelected->ItemId() : nullptr;
  info.itemOld.pszText = oldText.data();
  info.itemNew.hItem = node ? node->ItemId() : nullptr;
  info.itemNew.state = TVIS_SELECTED;
  info.itemNew.pszText = newText.data();
  if (NotifyParentWindow(TVN_SELCHANGINGA, info.hdr) != 0) return;  // the parent refused
  FSelected = node;
  if (node) MakeVisible(*node);
  NotifyParentWindow(TVN_SELCHANGEDA, info.hdr);
}

void TTreeView::BeginEdit() {
  if (FReadOnly || !FSelected || FEditor.Editing()) return;
  MakeVisible(*FSelected);
  TVDISPINFOA info;
  std::string text = FSelected->Text();
  info.item.mask = TVIF_HANDLE | TVIF_TEXT;
  info.item.hItem = FSelected->ItemId();
  info.item.pszText = text.data();
  if (NotifyParentWindow(TVN_BEGINLABELEDITA, info.hdr) != 0) return;  // the parent refused
  FEditing = FSelected;
  const POINT label = LabelPoint(*FSelected);
  const int left = label.x - kLabelMargin;
  const int top = label.y - FItemHeight / 2;
  const RECT bounds{left, top, std::max(Width(), left + 1), top + FItemHeight};
  FEditor.Begin(Handle(), bounds, FSelected->Text(),
                [this](const std::string* typed) { EditEnded(typed); });
}

// The parent hears the end of the edit; the node takes the text unless the parent refuses it.
void TTreeView::EditEnded(const std::string* typed) {
  TTreeNode* node = std::exchange(FEditing, nullptr);
  if (!node) return;
  TVDISPINFOA info;
  std::string text = typed ? *typed : std::string();
  info.item.mask = TVIF_HANDLE | TVIF_TEXT;
  info.item.hItem = node->ItemId();
  info.item.pszText = typed ? text.data() : nullptr;
  info.item.cchTextMax = static_cast<int>(text.size()) + 1;
  const LRESULT accepted = NotifyParentWindow(TVN_ENDLABELEDITA, info.hdr);
  if (typed && accepted != 0) node->SetText(*typed);
}

void TTreeView::Pressed(POINT point) {
  FEditOnRelease = false;
  if (CanFocus()) SetFocus();
  if (point.y < 0) return;
  const std::vector<TTreeNode*> rows = Rows();
  const auto row = static_cast<size_t>(FTopRow + point.y / FItemHeight);
  if (row >= rows.size()) return;
  TTreeNode* node = rows[row];
  const int buttonLeft = node->Level() * FIndent;
  if (point.x < buttonLeft) return;
  if (point.x < buttonLeft + FIndent) {
    Expand(*node, TVE_TOGGLE);
    return;
  }
  if (point.x >=
      buttonLeft + FIndent + kLabelMargin * 2 + kCharWidth * static_cast<int>(node->Text().size()))
    return;  // beside the label
  if (node == FSelected)
    FEditOnRelease = true;  // a click on the selected node's label edits it
  else
    Select(node, TVC_BYMOUSE);
}

void TTreeView::KeyPressed(WPARAM key) {
  const std::vector<TTreeNode*> rows = Rows();
  if (rows.empty()) return;
  auto current = std::find(rows.begin(), rows.end(), FSelected);
  const int row = current == rows.end() ? -1 : static_cast<int>(current - rows.begin());
  const int last = static_cast<int>(rows.size()) - 1;
  auto selectRow = [&](int r) {
    Select(rows[static_cast<size_t>(std::clamp(r, 0, last))], TVC_BYKEYBOARD);
  };
  switch (key) {
    case VK_UP:
      selectRow(row - 1);
      return;
    case VK_DOWN:
      selectRow(row + 1);
      return;
    case VK_HOME:
      selectRow(0);
      return;
    case VK_END:
      selectRow(last);
      return;
    case VK_F2:
      BeginEdit();
      return;
  }
  if (!FSelected) return;
  if (key == VK_RIGHT) {
    if (!FSelected->HasChildren()) return;
    if (FSelected->Expanded())
      Select(FSelected->Item(0), TVC_BYKEYBOARD);
    else
      Expand(*FSelected, TVE_EXPAND);
  } else if (key == VK_LEFT) {
    if (FSelected->Expanded())
      Expand(*FSelected, TVE_COLLAPSE);
    else if (FSelected->Parent())
      Select(FSelected->Parent(), TVC_BYKEYBOARD);
  }
}

void TTreeView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result =
          DLGC_WANTARROWS | DLGC_WANTCHARS | (FEditor.Editing() ? DLGC_WANTALLKEYS : 0);
      return;
    case WM_LBUTTONDOWN:
      Pressed(PointOfMessage(message.LParam));
      return;
    case WM_LBUTTONUP:
      if (std::exchange(FEditOnRelease, false)) BeginEdit();
      return;
    case WM_KEYDOWN:
      KeyPressed(message.WParam);
      return;
    case WM_CHAR:
      // '+' and '-', the keypad's too, expand and collapse the selected node.
      if (FSelected && (message.WParam == '+' || message.WParam == '-'))
        Expand(*FSelected, message.WParam == '+' ? TVE_EXPAND : TVE_COLLAPSE);
      return;
    case CN_NOTIFY: {
      // The tree takes an edited label that is not cancelled.
      const auto* info = reinterpret_cast<const TVDISPINFOA*>(message.LParam);
      message.Result = info->hdr.code == TVN_ENDLABELEDITA && info->item.pszText != nullptr;
      return;
    }
    case TVM_GETCOUNT:
      message.Result = FItems.Count();
      return;
    case TVM_GETEDITCONTROL:
      message.Result = static_cast<LRESULT>(FEditor.Handle());
      return;
    case TVM_ENDEDITLABELNOW:
      FEditor.End(message.WParam != 0);
      return;
    case WM_DESTROY:
      FEditOnRelease = false;
      break;
  }
  TWinControl::WndProc(message);
}
