// TControl: parent, bounds, caption, flags, action and popup-menu references, coordinates.

#include "platform/vcl/control.h"

#include "platform/vcl/actions.h"
#include "platform/vcl/drag_drop.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/win_control.h"

namespace {

constexpr std::string_view kDragModeNames[] = {"dmManual", "dmAutomatic"};
constexpr std::string_view kAlignNames[] = {"alNone", "alTop",   "alBottom",
                                            "alLeft", "alRight", "alClient"};

// ShowHint is stored only where it is the control's own, not its parent's.
bool ShowHintStored(const TComponent& component) {
  return !static_cast<const TControl&>(component).ParentShowHint();
}

}  // namespace

const TComponentClass& TControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Left, &TControl::SetLeft>("Left"),
      Published<&TControl::Top, &TControl::SetTop>("Top"),
      Published<&TControl::Width, &TControl::SetWidth>("Width"),
      Published<&TControl::Height, &TControl::SetHeight>("Height"),
      Published<&TControl::Align, &TControl::SetAlign>(
          "Align", {.ValueNames = kAlignNames, .Default = alNone}),
      Published<&TControl::Enabled, &TControl::SetEnabled>("Enabled", {.Default = true}),
      Published<&TControl::Visible, &TControl::SetVisible>("Visible", {.Default = true}),
      Published<&TControl::Action, &TControl::SetAction>("Action"),
      Published<&TControl::PopupMenu, &TControl::SetPopupMenu>("PopupMenu"),
      Published<&TControl::DragMode, &TControl::SetDragMode>(
          "DragMode", {.ValueNames = kDragModeNames, .Default = dmManual}),
      Published<&TControl::Hint, &TControl::SetHint>("Hint"),
      Published<&TControl::ShowHint, &TControl::SetShowHint>("ShowHint",
                                                             {.Stored = ShowHintStored}),
      Published<&TControl::ParentShowHint, &TControl::SetParentShowHint>("ParentShowHint",
                                                                         {.Default = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TControl",
      .Parent = &TComponent::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  ForgetDragControl(*this);
  if (FParent) FParent->RemoveControl(this);
}

void TControl::BeginDrag(bool immediate, int threshold) {
  StartDragging(*this, immediate, threshold);
}

void TControl::EndDrag(bool drop) {
  if (Dragging()) FinishDragging(drop);
}

bool TControl::Dragging() const { return DragSource() == this; }

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  for (TWinControl* p = parent; p; p = p->Parent())
    if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FLeft = BoundedPosition(left);
  FTop = BoundedPosition(top);
  FWidth = BoundedSize(width);
  FHeight = BoundedSize(height);
  RequestAlign();
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent) FParent->AlignControls();
}

void TControl::RequestAlign() {
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

void TControl::SetEnabled(bool value) { FEnabled = value; }

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  RequestAlign();
}

bool TControl::ShowHint() const {
  return FParentShowHint && FParent ? FParent->ShowHint() : FShowHint;
}

void TControl::SetShowHint(bool value) {
  FShowHint = value;
  FParentShowHint = false;
}

// Taking the parent's setting again forgets the control's own; leaving it keeps the value it
// had from the parent, so that nothing changes on the screen.
void TControl::SetParentShowHint(bool value) {
  if (value == FParentShowHint) return;
  if (!value) FShowHint = ShowHint();
  FParentShowHint = value;
}

void TControl::SetAction(TAction* value) {
  if (FAction) FAction->RemoveFreeNotification(this);
  FAction = value;
  if (value) value->FreeNotification(this);
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FAction) FAction = nullptr;
  if (component == FPopupMenu) FPopupMenu = nullptr;
}

POINT TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  const POINT origin = FParent->ClientOrigin();
  return {SaturatedSum(origin.x, FLeft), SaturatedSum(origin.y, FTop)};
}

POINT TControl::ClientToScreen(POINT point) const {
  const POINT origin = ClientOrigin();
  return {SaturatedSum(point.x, origin.x), SaturatedSum(point.y, origin.y)};
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage&) {}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent) {
  if (!parent) return;
  auto* container = dynamic_cast<TWinControl*>(parent);
  if (!container) {
    throw EComponentError(Format("%s cannot contain the control %s", parent->Name(), Name()));
  }
  SetParent(container);
}
