// TToolBar and TToolButton: layout, clicks, drop-down arrows, menus and mnemonics.

#include "platform/vcl/tool_bar.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/actions.h"
#include "platform/vcl/form.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/vcl/std_control.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/std_control.h"

namespace {

constexpr std::string_view kButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown",
                                                  "tbsSeparator", "tbsDivider"};
constexpr int kSeparatorWidth = 8;
constexpr LPARAM kAltDown = 1 << 29;

// The item under `item` whose command this is, or nullptr.
TMenuItem* FindCommand(TMenuItem& item, WORD command) {
  for (int i = 0; i < item.Count(); ++i) {
    TMenuItem* child = item.Items(i);
    if (child->Command() == command) return child;
    if (TMenuItem* found = FindCommand(*child, command)) return found;
  }
  return nullptr;
}

}  // namespace

// ---- TToolButton --------------------------------------------------------------------------------

const TComponentClass& TToolButton::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TToolButton::Style, &TToolButton::SetStyle>(
          "Style", {.ValueNames = kButtonStyleNames, .Default = tbsButton}),
      Published<&TToolButton::Down, &TToolButton::SetDown>("Down", {.Default = false}),
      Published<&TToolButton::MenuItem, &TToolButton::SetMenuItem>("MenuItem"),
      Published<&TToolButton::DropdownMenu, &TToolButton::SetDropdownMenu>("DropdownMenu"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TToolButton",
      .Parent = &TControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TToolButton>,
  });
  return cls;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {}

TToolButton::~TToolButton() {
  SetAction(nullptr);
  if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  const TToolBar* bar = ToolBar();
  if (!bar) return -1;
  auto it = std::find(bar->FButtons.begin(), bar->FButtons.end(), this);
  return it == bar->FButtons.end() ? -1 : static_cast<int>(it - bar->FButtons.begin());
}

void TToolButton::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (TToolBar* bar = ToolBar()) bar->RemoveButton(this);
  TControl::SetParent(parent);
  if (TToolBar* bar = ToolBar()) bar->InsertButton(this);
}

void TToolButton::SetStyle(TToolButtonStyle value) {
  FStyle = value;
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetMenuItem(TMenuItem* value) {
  if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
  FMenuItem = value;
  if (value) value->FreeNotification(this);
}

void TToolButton::SetDropdownMenu(TPopupMenu* value) {
  if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
  FDropdownMenu = value;
  if (value) value->FreeNotification(this);
}

void TToolButton::SetAction(TAction* value) {
  if (Action()) Action()->Unlink(this);
  TControl::SetAction(value);
  if (value)
    value->Link(this, [this](const TAction& action) {
      SetCaption(action.Caption());
      SetEnabled(action.Enabled());
    });
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FMenuItem) FMenuItem = nullptr;
  if (component == FDropdownMenu) FDropdownMenu = nullptr;
}

void TToolButton::Click() {
  if (FStyle == tbsCheck) FDown = !FDown;
  if (OnClick)
    OnClick(this);
  else if (Action())
    Action()->Execute();
  else if (FMenuItem)
    FMenuItem->Click();
}

bool TToolButton::CheckMenuDropdown() {
  TToolBar* bar = ToolBar();
  if (!bar) return false;
  const POINT below = ClientToScreen({0, Height()});
  if (FDropdownMenu) {
    FDropdownMenu->SetPopupComponent(this);
    FDropdownMenu->Popup(below.x, below.y);
    return true;
  }
  if (!FMenuItem || FMenuItem->Count() == 0) return false;
  // The item's sub-items drop down as the bar's own menu; the bar clicks the one chosen.
  bar->FMenuButton = this;
  TrackPopupMenu(FMenuItem->Handle(), TPM_LEFTALIGN, below.x, below.y, 0, bar->Handle(), nullptr);
  return true;
}

// ---- TToolBar -----------------------------------------------------------------------------------

const TComponentClass& TToolBar::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TToolBar::ShowCaptions, &TToolBar::SetShowCaptions>("ShowCaptions",
                                                                     {.Default = false}),
      Published<&TToolBar::ButtonWidth, &TToolBar::SetButtonWidth>("ButtonWidth", {.Default = 23}),
      Published<&TToolBar::ButtonHeight, &TToolBar::SetButtonHeight>("ButtonHeight",
                                                                     {.Default = 22}),
      kTabOrderProperty,
      Published<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", {.Default = false}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TToolBar",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TToolBar>,
  });
  return cls;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);  // the framework's size for a new tool bar
}

// The buttons go before the bar's own lists do.
TToolBar::~TToolBar() {
  while (!FButtons.empty()) delete FButtons.back();
}

TToolButton* TToolBar::Buttons(int index) const {
  if (index < 0 || index >= ButtonCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FButtons[static_cast<size_t>(index)];
}

void TToolBar::SetButtonWidth(int value) {
  FButtonWidth = std::max(BoundedSize(value), 1);
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int value) {
  FButtonHeight = std::max(BoundedSize(value), 1);
  ArrangeButtons();
}

bool TToolBar::Showing() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible()) return false;
  return GetParentForm(this) != nullptr;
}

void TToolBar::InsertButton(TToolButton* button) {
  FButtons.push_back(button);
  ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  std::erase(FButtons, button);
  if (FPressed == button) FPressed = nullptr;
  if (FMenuButton == button) FMenuButton = nullptr;
  ArrangeButtons();
}

void TToolBar::ReadCompleted() {
  TWinControl::ReadCompleted();
  ArrangeButtons();
}

void TToolBar::ArrangeButtons() {
  int left = 0;
  for (TToolButton* button : FButtons) {
    int width = FButtonWidth;
    if (!button->IsButton()) width = kSeparatorWidth;
    if (button->Style() == tbsDropDown) width += TToolButton::kArrowWidth;
    button->SetBounds(left, 0, width, FButtonHeight);
    if (button->Visible()) left += width;
  }
}

TToolButton* TToolBar::ButtonAt(POINT point) const {
  for (TToolButton* button : FButtons)
    if (button->Visible() && point.x >= button->Left() &&
        point.x < button->Left() + button->Width() && point.y >= button->Top() &&
        point.y < button->Top() + button->Height())
      return button;
  return nullptr;
}

bool TToolBar::OnArrow(const TToolButton& button, POINT point) const {
  return button.Style() == tbsDropDown &&
         point.x >= button.Left() + button.Width() - TToolButton::kArrowWidth;
}

TToolButton* TToolBar::FindAccelButton(WORD key) const {
  for (TToolButton* button : FButtons)
    if (button->IsButton() && button->Visible() && button->Enabled() &&
        IsAccel(key, button->Caption()))
      return button;
  return nullptr;
}

void TToolBar::ButtonPressed(TToolButton* button, POINT point) {
  FPressed = nullptr;
  if (!button || !button->IsButton() || !button->Enabled()) return;
  if (OnArrow(*button, point)) {
    NMTOOLBARA info;
    info.iItem = button->Index();
    info.rcButton = {button->Left(), button->Top(), button->Left() + button->Width(),
                     button->Top() + button->Height()};
    NotifyParentWindow(TBN_DROPDOWN, info.hdr);
    return;
  }
  FPressed = button;
}

// A release over the button the press began on clicks it, through the parent.
void TToolBar::ButtonReleased(POINT point) {
  TToolButton* pressed = std::exchange(FPressed, nullptr);
  if (!pressed || ButtonAt(point) != pressed || OnArrow(*pressed, point)) return;
  const HWND handle = Handle();
  SendMessageA(GetParent(handle), WM_COMMAND, MAKEWPARAM(pressed->Index(), 0),
               static_cast<LPARAM>(handle));
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT point = PointOfMessage(message.LParam);
      ButtonPressed(ButtonAt(point), point);
      return;
    }
    case WM_LBUTTONUP:
      ButtonReleased(PointOfMessage(message.LParam));
      return;
    case CN_COMMAND: {
      // A command identifier is a button position; one beyond the buttons does nothing.
      const int index = LOWORD(message.WParam);
      if (index < ButtonCount()) Buttons(index)->Click();
      return;
    }
    case CN_NOTIFY: {
      const auto* info = reinterpret_cast<const NMTOOLBARA*>(message.LParam);
      if (info->hdr.code == TBN_DROPDOWN && info->iItem >= 0 && info->iItem < ButtonCount())
        Buttons(info->iItem)->CheckMenuDropdown();
      message.Result = TBDDRET_DEFAULT;
      return;
    }
    case WM_COMMAND:
      // The choice from a menu item's sub-items that a button dropped down.
      if (message.LParam == 0 && FMenuButton && FMenuButton->MenuItem()) {
        if (TMenuItem* item = FindCommand(*FMenuButton->MenuItem(), LOWORD(message.WParam)))
          item->Click();
        FMenuButton = nullptr;
        return;
      }
      break;
    case CM_DIALOGCHAR: {
      // A mnemonic clicks its button, or drops its menu down, with no command to the parent.
      const bool asked = (message.LParam & kAltDown) || Focused();
      if (!asked || !Enabled() || !Showing() || !FShowCaptions) break;
      TToolButton* button = FindAccelButton(static_cast<WORD>(message.WParam));
      if (!button) break;
      if (button->Style() == tbsDropDown || !button->CheckMenuDropdown()) button->Click();
      message.Result = 1;
      return;
    }
  }
  TWinControl::WndProc(message);
}
