// Tab controls, page controls and their sheets.

#include "platform/vcl/tab_controls.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/errors.h"
#include "platform/vcl/form.h"
#include "platform/vcl/key_forwarding.h"

namespace {

constexpr int kTabHeight = 20;
constexpr int kTabPadding = 16;
constexpr int kCharWidth = 7;

// The widths of the tabs: as their texts ask, narrowed alike to fit the row.
std::vector<int> TabWidths(const TStrings& tabs, int rowWidth) {
  std::vector<int> widths;
  int64_t total = 0;
  for (int i = 0; i < tabs.Count(); ++i) {
    widths.push_back(BoundedSize(kTabPadding + int64_t{kCharWidth} * tabs.Get(i).size()));
    total += widths.back();
  }
  if (total > rowWidth)
    for (int& width : widths) width = static_cast<int>(int64_t{width} * rowWidth / total);
  return widths;
}

}  // namespace

// ---- TCustomTabControl --------------------------------------------------------------------------

const TComponentClass& TCustomTabControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {kTabStopOnByDefault};
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomTabControl",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TStdControl(owner) {
  SetTabStop(true);
  FTabs.OnChange = [this] {
    if (FTabIndex >= FTabs.Count()) FTabIndex = -1;
  };
}

void TCustomTabControl::SetTabIndex(int value) {
  if (value < -1 || value >= FTabs.Count())
    throw EInvalidOperation(Format("%s has no tab %d (it has %d)", Name(), value, FTabs.Count()));
  FTabIndex = value;
}

RECT TCustomTabControl::TabRect(int index) const {
  const std::vector<int> widths = TabWidths(FTabs, Width());
  if (index < 0 || index >= static_cast<int>(widths.size())) return {};
  int left = 0;
  for (int i = 0; i < index; ++i) left += widths[static_cast<size_t>(i)];
  return {left, 0, left + widths[static_cast<size_t>(index)], kTabHeight};
}

int TCustomTabControl::TabAtPoint(POINT point) const {
  if (point.y < 0 || point.y >= kTabHeight || point.x < 0) return -1;
  int left = 0;
  const std::vector<int> widths = TabWidths(FTabs, Width());
  for (size_t i = 0; i < widths.size(); ++i) {
    left += widths[i];
    if (point.x < left) return static_cast<int>(i);
  }
  return -1;
}

RECT TCustomTabControl::DisplayRect() const {
  return {0, kTabHeight, Width(), std::max(Height(), kTabHeight)};
}

void TCustomTabControl::ChooseTab(int index) {
  if (index < 0 || index >= FTabs.Count() || index == FTabIndex) return;
  NMHDR changing;
  if (NotifyParentWindow(TCN_SELCHANGING, changing) != 0) return;
  FTabIndex = index;
  NMHDR change;
  NotifyParentWindow(TCN_SELCHANGE, change);
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

int TCustomTabControl::NextTab(bool goForward) const {
  const int count = FTabs.Count();
  if (count == 0) return -1;
  if (FTabIndex < 0) return goForward ? 0 : count - 1;
  return (FTabIndex + (goForward ? 1 : count - 1)) % count;
}

void TCustomTabControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN: {
      const int index = TabAtPoint(PointOfMessage(message.LParam));
      if (index >= 0 && CanFocus()) SetFocus();
      ChooseTab(index);
      return;
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_LEFT || message.WParam == VK_UP) {
        ChooseTab(FTabIndex - 1);
        return;
      }
      if (message.WParam == VK_RIGHT || message.WParam == VK_DOWN) {
        ChooseTab(FTabIndex + 1);
        return;
      }
      break;
    case TCM_GETITEMCOUNT:
      message.Result = FTabs.Count();
      return;
    case TCM_GETCURSEL:
      message.Result = FTabIndex;
      return;
    case TCM_SETCURSEL: {
      const auto index = static_cast<int>(message.WParam);
      message.Result = FTabIndex;
      if (index >= -1 && index < FTabs.Count())
        FTabIndex = index;
      else
        message.Result = -1;
      return;
    }
    case CN_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(message.LParam);
      if (header.code == TCN_SELCHANGING) {
        bool allowChange = true;
        if (OnChanging) OnChanging(this, allowChange);
        message.Result = allowChange ? 0 : 1;
      } else if (header.code == TCN_SELCHANGE) {
        Change();
      }
      return;
    }
  }
  TStdControl::WndProc(message);
}

// ---- TTabControl --------------------------------------------------------------------------------

const TComponentClass& TTabControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomTabControl::Tabs>("Tabs"),
      Published<&TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex>(
          "TabIndex", {.Default = -1, .AfterLists = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TTabControl",
      .Parent = &TCustomTabControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TTabControl>,
  });
  return cls;
}

// ---- TPageControl -------------------------------------------------------------------------------

const TComponentClass& TPageControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TPageControl::ActivePage, &TPageControl::SetActivePage>("ActivePage"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TPageControl",
      .Parent = &TCustomTabControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TPageControl>,
  });
  return cls;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

// The sheets die with the control as its children; they must not reach back to it then.
TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FPages[static_cast<size_t>(index)];
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const {
  if (tabIndex < 0 || tabIndex >= FTabs.Count()) return nullptr;
  return static_cast<TTabSheet*>(FTabs.GetObject(tabIndex));
}

// A page left while the focus is inside it hands the focus on to the new page's first control,
// or else to the page control, so that it never stays on a hidden control.
void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this)
    throw EInvalidOperation(Format("%s is not a page of %s", page->Name(), Name()));
  TCustomForm* form = GetParentForm(this);
  const bool focusLeaves = form && FActivePage && FActivePage != page &&
                           FActivePage->ContainsControl(form->ActiveControl());
  FActivePage = page;
  for (TTabSheet* each : FPages) each->SetVisible(each == page);
  FTabIndex = page ? page->TabIndex() : -1;
  if (!focusLeaves) return;
  if (page) page->SelectFirst();
  if ((!page || !page->ContainsControl(form->ActiveControl())) && CanFocus()) SetFocus();
}

void TPageControl::Change() {
  if (TTabSheet* page = PageOfTab(FTabIndex)) SetActivePage(page);
  TCustomTabControl::Change();
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  page->SetBounds(0, 0, 0, 0);
  if (page->TabVisible()) FTabs.AddObject(page->Caption(), page);
  if (!FActivePage)
    SetActivePage(page);
  else
    page->SetVisible(false);
}

void TPageControl::RemovePage(TTabSheet* page) {
  std::erase(FPages, page);
  UpdateTabs();
  if (FActivePage == page) SetActivePage(FPages.empty() ? nullptr : FPages.front());
}

void TPageControl::UpdateTabs() {
  FTabs.BeginUpdate();
  FTabs.Clear();
  for (TTabSheet* page : FPages)
    if (page->TabVisible()) FTabs.AddObject(page->Caption(), page);
  FTabs.EndUpdate();
  FTabIndex = FActivePage ? FActivePage->TabIndex() : -1;
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
  TCustomTabControl::SetBounds(left, top, width, height);
  for (TTabSheet* page : FPages) page->SetBounds(0, 0, 0, 0);
}

bool TPageControl::FocusIsInside() {
  if (!HandleAllocated()) return false;
  for (HWND window = GetFocus(); window != 0; window = GetParent(window))
    if (window == Handle()) return true;
  return false;
}

// Ctrl+Tab moves to the next page, Ctrl+Shift+Tab to the previous, while the focus is anywhere
// inside the page control.
void TPageControl::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 &&
      GetKeyState(VK_MENU) >= 0 && FTabs.Count() > 0) {
    if (FocusIsInside()) {
      ChooseTab(NextTab(GetKeyState(VK_SHIFT) >= 0));
      message.Result = 1;
      return;
    }
  }
  TCustomTabControl::WndProc(message);
}

// ---- TTabSheet ----------------------------------------------------------------------------------

const TComponentClass& TTabSheet::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TTabSheet::TabVisible, &TTabSheet::SetTabVisible>("TabVisible", {.Default = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TTabSheet",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TTabSheet>,
  });
  return cls;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  TWinControl::SetParent(parent);
  if (FPageControl) std::exchange(FPageControl, nullptr)->RemovePage(this);
  FPageControl = dynamic_cast<TPageControl*>(parent);
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::SetBounds(int left, int top, int width, int height) {
  if (!FPageControl) {
    TWinControl::SetBounds(left, top, width, height);
    return;
  }
  const RECT r = FPageControl->DisplayRect();
  TWinControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == FTabVisible) return;
  FTabVisible = value;
  if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

int TTabSheet::TabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int index = 0;
  for (const TTabSheet* page : FPageControl->FPages) {
    if (page == this) return index;
    if (page->TabVisible()) ++index;
  }
  return -1;
}

void TTabSheet::DoSetText(const std::string& value) {
  TWinControl::DoSetText(value);
  if (FPageControl) FPageControl->UpdateTabs();
}
