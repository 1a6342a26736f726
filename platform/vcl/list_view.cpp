// TListView: columns, items, selection, label editing and column clicks.

#include "platform/vcl/list_view.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/std_control.h"

namespace {

constexpr std::string_view kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
constexpr BYTE VK_F2 = VK_F1 + 1;
constexpr int kHeaderHeight = 17;

}  // namespace

// ---- TListColumn --------------------------------------------------------------------------------

const TComponentClass& TListColumn::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TListColumn::Caption, &TListColumn::SetCaption>("Caption"),
      Published<&TListColumn::Width, &TListColumn::SetWidth>("Width", {.Default = 50}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TListColumn",
      .Parent = &TCollectionItem::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

void TListColumn::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

void TListColumn::SetWidth(int value) {
  FWidth = BoundedSize(value);
  Changed();
}

int TListColumn::Left() const {
  int left = 0;
  for (int i = 0; i < Index(); ++i)
    left += static_cast<TListColumns*>(Collection())->Items(i)->Width();
  return left;
}

// ---- TListItem ----------------------------------------------------------------------------------

const TComponentClass& TListItem::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TListItem::Caption, &TListItem::SetCaption>("Caption"),
      Published<&TListItem::SubItems>("SubItems"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TListItem",
      .Parent = &TCollectionItem::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

TListItem::TListItem(TCollection* collection) : TCollectionItem(collection) {}

void TListItem::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

TListView* TListItem::ListView() const { return static_cast<TListItems*>(Collection())->Owner(); }

bool TListItem::Selected() const {
  const TListView* view = ListView();
  return view && view->FItemIndex >= 0 && view->FItemIndex == Index();
}

void TListItem::SetSelected(bool value) {
  TListView* view = ListView();
  if (!view) return;
  if (value)
    view->FItemIndex = Index();
  else if (Selected())
    view->FItemIndex = -1;
}

TListItem* TListItems::FindCaption(const std::string& caption) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Items(i)->Caption(), caption)) return Items(i);
  return nullptr;
}

// ---- TListView ----------------------------------------------------------------------------------

const TComponentClass& TListView::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TListView::ViewStyle, &TListView::SetViewStyle>(
          "ViewStyle", {.ValueNames = kViewStyleNames, .Default = vsIcon}),
      Published<&TListView::Columns>("Columns"),
      Published<&TListView::Items>("Items"),
      Published<&TListView::ReadOnly, &TListView::SetReadOnly>("ReadOnly", {.Default = false}),
      kTabOrderProperty,
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TListView",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TListView>,
  });
  return cls;
}

TListView::TListView(TComponent* owner) : TWinControl(owner), FItems(this) {
  SetTabStop(true);
  SetBounds(0, 0, 250, 150);  // the framework's size for a new list view
  FItems.OnChange = [this] {
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    if (FEditing >= FItems.Count()) FEditor.End(true);
    SetTopIndex(FTopIndex);
  };
}

// The edit box and the items go before the window does.
TListView::~TListView() {
  FEditor.Discard();
  FItems.OnChange = nullptr;
}

TListColumn* TListView::Column(int index) const {
  return index >= 0 && index < FColumns.Count() ? FColumns.Items(index) : nullptr;
}

TListItem* TListView::Selected() const {
  return FItemIndex >= 0 ? FItems.Items(FItemIndex) : nullptr;
}

int TListView::HeaderHeight() const { return FViewStyle == vsReport ? kHeaderHeight : 0; }

int TListView::VisibleRows() const { return std::max((Height() - HeaderHeight()) / FRowHeight, 1); }

void TListView::SetTopIndex(int value) {
  FTopIndex = std::clamp(value, 0, std::max(FItems.Count() - 1, 0));
}

void TListView::MakeVisible(int index) {
  if (index < FTopIndex) FTopIndex = index;
  if (index >= FTopIndex + VisibleRows()) FTopIndex = index - VisibleRows() + 1;
}

// The caption sits in the first column (the whole row without columns).
int TListView::CaptionWidth() const {
  return FColumns.Count() > 0 ? FColumns.Items(0)->Width() : Width();
}

POINT TListView::ItemPoint(int index) const {
  return {std::min(CaptionWidth(), Width()) / 2,
          HeaderHeight() + (index - FTopIndex) * FRowHeight + FRowHeight / 2};
}

POINT TListView::ColumnPoint(int index) const {
  const TListColumn* column = Column(index);
  return {column ? column->Left() + column->Width() / 2 : 0, kHeaderHeight / 2};
}

int TListView::ItemAt(POINT point) const {
  if (point.y < HeaderHeight()) return -1;
  const int index = FTopIndex + (point.y - HeaderHeight()) / FRowHeight;
  return index < FItems.Count() ? index : -1;
}

int TListView::ColumnAt(int x) const {
  for (int i = 0, left = 0; i < FColumns.Count(); ++i) {
    const int right = left + FColumns.Items(i)->Width();
    if (x >= left && x < right) return i;
    left = right;
  }
  return -1;
}

void TListView::NotifyStateChange(int index, UINT newState, UINT oldState) {
  NMLISTVIEW info;
  info.iItem = index;
  info.iSubItem = 0;
  info.uNewState = newState;
  info.uOldState = oldState;
  info.uChanged = LVIF_STATE;
  NotifyParentWindow(LVN_ITEMCHANGED, info.hdr);
}

void TListView::Select(int index) {
  if (index == FItemIndex) return;
  const int old = std::exchange(FItemIndex, index);
  if (index >= 0) MakeVisible(index);
  constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
  if (old >= 0) NotifyStateChange(old, 0, kChosen);
  if (index >= 0) NotifyStateChange(index, kChosen, 0);
}

void TListView::BeginEdit() {
  if (FReadOnly || FItemIndex < 0 || FEditor.Editing()) return;
  MakeVisible(FItemIndex);
  LVDISPINFOA info;
  std::string text = FItems.Items(FItemIndex)->Caption();
  info.item.mask = LVIF_TEXT;
  info.item.iItem = FItemIndex;
  info.item.pszText = text.data();
  if (NotifyParentWindow(LVN_BEGINLABELEDITA, info.hdr) != 0) return;  // the parent refused
  FEditing = FItemIndex;
  const int top = ItemPoint(FItemIndex).y - FRowHeight / 2;
  const RECT bounds{0, top, std::max(CaptionWidth(), 1), top + FRowHeight};
  FEditor.Begin(Handle(), bounds, text, [this](const std::string* typed) { EditEnded(typed); });
}

// The parent hears the end of the edit; the item takes the text unless the parent refuses it.
void TListView::EditEnded(const std::string* typed) {
  const int index = std::exchange(FEditing, -1);
  if (index < 0) return;
  const bool kept = index < FItems.Count();  // an item taken away cancels its edit
  LVDISPINFOA info;
  std::string text = typed ? *typed : std::string();
  info.item.mask = LVIF_TEXT;
  info.item.iItem = index;
  info.item.pszText = typed && kept ? text.data() : nullptr;
  info.item.cchTextMax = static_cast<int>(text.size()) + 1;
  const LRESULT accepted = NotifyParentWindow(LVN_ENDLABELEDITA, info.hdr);
  if (info.item.pszText && accepted != 0) FItems.Items(index)->SetCaption(*typed);
}

void TListView::Pressed(POINT point) {
  FEditOnRelease = false;
  FPressedColumn = -1;
  if (CanFocus()) SetFocus();
  if (point.y < HeaderHeight()) {
    FPressedColumn = ColumnAt(point.x);
    return;
  }
  const int index = ItemAt(point);
  if (index < 0) return;
  if (index == FItemIndex && point.x < CaptionWidth())
    FEditOnRelease = true;  // a click on the selected item's caption edits it
  else
    Select(index);
}

void TListView::Released(POINT point) {
  if (std::exchange(FEditOnRelease, false)) BeginEdit();
  const int pressed = std::exchange(FPressedColumn, -1);
  if (pressed < 0 || point.y >= HeaderHeight() || ColumnAt(point.x) != pressed) return;
  NMLISTVIEW info;
  info.iItem = -1;
  info.iSubItem = pressed;
  NotifyParentWindow(LVN_COLUMNCLICK, info.hdr);
}

void TListView::KeyPressed(WPARAM key) {
  const int last = FItems.Count() - 1;
  if (key == VK_F2) BeginEdit();
  if (last < 0) return;
  switch (key) {
    case VK_UP:
      Select(std::max(FItemIndex - 1, 0));
      break;
    case VK_DOWN:
      Select(std::min(FItemIndex + 1, last));
      break;
    case VK_HOME:
      Select(0);
      break;
    case VK_END:
      Select(last);
      break;
  }
}

void TListView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result =
          DLGC_WANTARROWS | DLGC_WANTCHARS | (FEditor.Editing() ? DLGC_WANTALLKEYS : 0);
      return;
    case WM_LBUTTONDOWN:
      Pressed(PointOfMessage(message.LParam));
      return;
    case WM_LBUTTONUP:
      Released(PointOfMessage(message.LParam));
      return;
    case WM_KEYDOWN:
      KeyPressed(message.WParam);
      return;
    case CN_NOTIFY: {
      // The list view takes an edited caption that is not cancelled.
      const auto* info = reinterpret_cast<const LVDISPINFOA*>(message.LParam);
      message.Result = info->hdr.code == LVN_ENDLABELEDITA && info->item.pszText != nullptr;
      return;
    }
    case LVM_GETITEMCOUNT:
      message.Result = FItems.Count();
      return;
    case LVM_GETEDITCONTROL:
      message.Result = static_cast<LRESULT>(FEditor.Handle());
      return;
    case WM_DESTROY:
      FEditOnRelease = false;
      FPressedColumn = -1;
      break;
  }
  TWinControl::WndProc(message);
}
