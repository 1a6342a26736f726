// TCustomForm and TForm: showing, closing, window state, the active control; GetParentForm.

#include "platform/vcl/form.h"

#include <utility>
#include <vector>

#include "platform/vcl/application.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/screen.h"

namespace {

constexpr std::string_view kBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                  "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr std::string_view kWindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

int ShowCommandFor(TWindowState state) {
  switch (state) {
    case wsMinimized:
      return SW_SHOWMINIMIZED;
    case wsMaximized:
      return SW_SHOWMAXIMIZED;
    default:
      return SW_SHOWNORMAL;
  }
}

}  // namespace

const TComponentClass& TCustomForm::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      Published<&TControl::Visible, &TControl::SetVisible>("Visible", {.Default = false}),
      Published<&TCustomForm::ActiveControl, &TCustomForm::SetActiveControl>("ActiveControl"),
      Published<&TCustomForm::Menu, &TCustomForm::SetMenu>("Menu"),
      Published<&TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>(
          "BorderStyle", {.ValueNames = kBorderStyleNames, .Default = bsSizeable}),
      Published<&TCustomForm::WindowState, &TCustomForm::SetWindowState>(
          "WindowState", {.ValueNames = kWindowStateNames, .Default = wsNormal}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomForm",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

const TComponentClass& TForm::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TForm",
      .Parent = &TCustomForm::StaticClass(),
      .Create = &ConstructComponent<TForm>,
  });
  return cls;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  FVisible = false;
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() { Screen().RemoveForm(this); }

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style &= ~WS_VISIBLE;  // shown by SetVisible, in its window state
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMenu) ::SetMenu(Handle(), FMenu->Handle());
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = menu;
  if (menu) menu->FreeNotification(this);
  if (HandleAllocated()) ::SetMenu(Handle(), menu ? menu->Handle() : 0);
}

void TCustomForm::SetVisible(bool value) {
  TControl::SetVisible(value);
  if (Loading()) return;  // shown when loading ends
  if (value) {
    ShowWindow(Handle(), ShowCommandFor(FWindowState));
    if (FWindowState != wsMinimized) SetActiveWindow(Handle());
  } else if (HandleAllocated()) {
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::Show() { SetVisible(true); }

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;  // the modal loop hides the form as it ends
    return;
  }
  if (Application().MainForm() == this) Application().Terminate();
  SetVisible(false);
}

namespace {

// Disables the windows of the other visible, enabled forms while a modal form runs, and enables
// them again (those still there) when it ends, however it ends.
class TOtherFormsDisabled {
 public:
  explicit TOtherFormsDisabled(const TCustomForm* modal) {
    for (int i = 0; i < Screen().FormCount(); ++i) {
      TCustomForm* form = Screen().Forms(i);
      if (form == modal || !form->HandleAllocated()) continue;
      const HWND handle = form->Handle();
      if (IsWindowVisible(handle) && IsWindowEnabled(handle)) FDisabled.push_back(handle);
    }
    for (HWND handle : FDisabled) EnableWindow(handle, false);
  }
  ~TOtherFormsDisabled() {
    for (HWND handle : FDisabled)
      if (IsWindow(handle)) EnableWindow(handle, true);
  }
  TOtherFormsDisabled(const TOtherFormsDisabled&) = delete;
  TOtherFormsDisabled& operator=(const TOtherFormsDisabled&) = delete;

 private:
  std::vector<HWND> FDisabled;
};

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (FModal || Visible()) throw EInvalidOperation("Cannot make a visible window modal");
  const HWND previouslyActive = GetActiveWindow();
  FModalResult = mrNone;
  {
    TOtherFormsDisabled disabled(this);
    FModal = true;
    try {
      Show();
      while (FModalResult == mrNone && !Application().Terminated()) Application().HandleMessage();
    } catch (...) {
      EndModal();
      throw;
    }
    EndModal();
  }
  if (previouslyActive && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
  if (FModalResult == mrNone) FModalResult = mrCancel;
  return FModalResult;
}

void TCustomForm::EndModal() {
  FModal = false;
  SetVisible(false);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (Visible()) SetVisible(true);
}

TWindowState TCustomForm::WindowState() const {
  if (!HandleAllocated()) return FWindowState;
  HWND handle = const_cast<TCustomForm*>(this)->Handle();
  return IsIconic(handle) ? wsMinimized : IsZoomed(handle) ? wsMaximized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState value) {
  FWindowState = value;
  if (!HandleAllocated() || !Visible() || Loading()) return;
  constexpr int kCommands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
  ShowWindow(Handle(), kCommands[value]);
}

// ---- the active control -------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && (control == this || !ContainsControl(control)))
    throw EInvalidOperation(Format("%s is not a control of the form %s", control->Name(), Name()));
  if (Loading() || !control) {
    FActiveControl = control;
    return;
  }
  if (!control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FocusControl(control);
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (control != this) FActiveControl = control;
  if (HandleAllocated() && Visible()) ::SetFocus(control->Handle());
}

void TCustomForm::DefocusControl(const TControl* control) {
  auto* container = dynamic_cast<const TWinControl*>(control);
  auto inside = [&](const TWinControl* c) {
    return c && (c == control || (container && container->ContainsControl(c)));
  };
  if (inside(FActiveControl)) FActiveControl = nullptr;
  if (inside(FFocusedControl)) FFocusedControl = nullptr;
}

bool TCustomForm::ControlFocused(TWinControl* control) {
  if (control != this) FActiveControl = control;
  return std::exchange(FFocusedControl, control) != control && control != this;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FFocusedControl) FFocusedControl = nullptr;
  if (component == FMenu) SetMenu(nullptr);
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ACTIVATE:
      // An activated form gives the focus back to the control that had it, or to its first tab
      // stop, as when the user tabs into it.
      if (LOWORD(message.WParam) == WA_INACTIVE) break;
      if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
      if (FActiveControl && FActiveControl->CanFocus()) {
        ::SetFocus(FActiveControl->Handle());
        return;
      }
      break;
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      // A command of the menu bar (no control in lParam, 0 in the high word) clicks its item.
      if (message.LParam == 0 && HIWORD(message.WParam) == 0 && FMenu &&
          FMenu->DispatchCommand(LOWORD(message.WParam)))
        return;
      break;
    case WM_INITMENUPOPUP:
      if (FMenu && FMenu->DispatchPopup(static_cast<HMENU>(message.WParam))) return;
      break;
  }
  TWinControl::WndProc(message);
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}
