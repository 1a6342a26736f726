// TWinControl: window creation and destruction, child controls, focus, and message handling.

#include "platform/vcl/win_control.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/application.h"
#include "platform/vcl/drag_drop.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/vcl/menus.h"

LRESULT ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

// The control whose window is being created: its window is bound to it on its first message.
thread_local TWinControl* gCreatingControl = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_RBUTTONDBLCLK; }

POINT PointOfLParam(LPARAM lParam) {
  return {static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
          static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
}

}  // namespace

// Routes a window's messages to its control. An exception escaping the control's handling goes to
// the application, as it would from the message loop, and never into the windowing core.
LRESULT ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!control && gCreatingControl) {
    control = std::exchange(gCreatingControl, nullptr);
    control->FHandle = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    // A drag under way takes Esc before the dialog keys, and the mouse before the control.
    if (HandleDragMessage(hwnd, *control, message)) return message.Result;
    if (ForwardKeyMessage(hwnd, msg, wParam, lParam)) return 0;  // the framework used the key
    control->WndProc(message);
  } catch (const std::exception& e) {
    Application().HandleException(control, e);
  }
  if (msg == WM_DESTROY) control->WindowDestroyed();
  return message.Result;
}

TControl* FindControl(HWND handle) {
  if (handle == 0 || !IsWindow(handle)) return nullptr;
  if (GetWindowLongPtrA(handle, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlWindowProc))
    return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

const TComponentClass& TWinControl::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TWinControl",
      .Parent = &TControl::StaticClass(),
      .Create = &ConstructComponent<TWinControl>,
  });
  return cls;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Child controls go with their parent, whoever owns them; each leaves the lists as it dies, and
  // the ones left are not laid out again meanwhile.
  FAligning = true;
  while (!FWinControls.empty()) delete FWinControls.back();
  while (!FControls.empty()) delete FControls.back();
  DestroyHandle();
}

// ---- the window ---------------------------------------------------------------------------------

HWND TWinControl::Handle() {
  if (FHandle) return FHandle;
  if (Parent()) Parent()->HandleNeeded();  // creates this window too, as one of its children
  if (!FHandle) {
    CreateWnd();
    for (TWinControl* child : FWinControls) child->HandleNeeded();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FText;
  params.Style = (Parent() ? WS_CHILD : WS_OVERLAPPED) | (FVisible ? WS_VISIBLE : 0) |
                 (FEnabled ? 0 : WS_DISABLED) | (FTabStop ? WS_TABSTOP : 0);
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = Parent() ? Parent()->Handle() : 0;
  params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  WNDCLASSA windowClass;
  windowClass.lpfnWndProc = &ControlWindowProc;
  windowClass.lpszClassName = params.WinClassName.c_str();
  RegisterClassA(windowClass);  // a class registered before stays as it is

  TWinControl* outer = std::exchange(gCreatingControl, this);
  HWND handle = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                params.Style, params.X, params.Y, params.Width, params.Height,
                                params.WndParent, 0, 0, nullptr);
  gCreatingControl = outer;
  if (!handle) throw EWin32Error("Cannot create a window of class " + params.WinClassName, 0);
  if (!FHandle) {  // no message reached the window while it was created
    FHandle = handle;
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (params.Style & WS_CHILD) SetWindowLongPtrA(handle, GWLP_ID, static_cast<LONG_PTR>(handle));
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
  FHandle = 0;
}

// The window is going: keep its text for a window created later, and unbind it.
void TWinControl::WindowDestroyed() {
  FText = TWinControl::DoGetText();
  SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
  FHandle = 0;
}

std::string TWinControl::DoGetText() const {
  if (!FHandle) return FText;
  int length = GetWindowTextLengthA(FHandle);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(FHandle, text.data(), length + 1)));
  return text;
}

void TWinControl::DoSetText(const std::string& value) {
  FText = value;
  if (FHandle) SetWindowTextA(FHandle, value.c_str());
}

// ---- bounds and flags ---------------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = FWidth;
  const int oldHeight = FHeight;
  TControl::SetBounds(left, top, width, height);
  if (FHandle) MoveWindow(FHandle, FLeft, FTop, FWidth, FHeight, 1);
  if (FWidth != oldWidth || FHeight != oldHeight) AlignControls();
}

void TWinControl::UpdateBounds() {
  RECT rect;
  if (!FHandle || !GetWindowRect(FHandle, &rect)) return;
  POINT topLeft{rect.left, rect.top};
  if (Parent() && Parent()->HandleAllocated()) ::ScreenToClient(Parent()->FHandle, &topLeft);
  const int oldWidth = FWidth;
  const int oldHeight = FHeight;
  TControl::SetBounds(topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top);
  if (FWidth != oldWidth || FHeight != oldHeight) AlignControls();
}

POINT TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(FHandle, &origin);
  return origin;
}

void TWinControl::SetEnabled(bool value) {
  TControl::SetEnabled(value);
  if (FHandle) EnableWindow(FHandle, value);
}

void TWinControl::SetVisible(bool value) {
  TControl::SetVisible(value);
  if (FHandle) ShowWindow(FHandle, value ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  TControl::SetParent(parent);
  DestroyHandle();  // a window cannot change between top-level and child: it is made anew
  if (parent && parent->HandleAllocated()) HandleNeeded();
}

// ---- child controls -----------------------------------------------------------------------------

int TWinControl::ControlCount() const {
  return static_cast<int>(FControls.size() + FWinControls.size());
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  auto i = static_cast<size_t>(index);
  return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::InsertControl(TControl* control) {
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    FWinControls.push_back(windowed);
    FTabList.push_back(windowed);
  } else {
    FControls.push_back(control);
  }
  control->FParent = this;
  if (control->Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* control) {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(control);
  std::erase(FControls, control);
  std::erase(FWinControls, control);
  std::erase(FTabList, control);
  control->FParent = nullptr;
  if (control == FMouseControl) ReleaseMouseCaptureChild();
  if (control->Align() != alNone) AlignControls();
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](const TControl* c) {
    return c->Visible() && (allowDisabled || c->Enabled()) && point.x >= c->Left() &&
           point.x < c->Left() + c->Width() && point.y >= c->Top() &&
           point.y < c->Top() + c->Height();
  };
  if (allowWinControls)
    for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  while (control && control != this) control = control->Parent();
  return control != nullptr;
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Owner() == root) proc(Controls(i));
  TControl::GetChildren(proc, root);
}

// ---- focus --------------------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle != 0 && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  GetParentForm(this)->FocusControl(this);
}

void TWinControl::FocusReceived() {
  TCustomForm* form = GetParentForm(this);
  if (form && form->ControlFocused(this)) DoEnter();
}

// ---- messages -----------------------------------------------------------------------------------

void TWinControl::DefaultHandler(TMessage& message) {
  message.Result =
      FHandle ? DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam) : 0;
}

// Notifications that name the child window in lParam go back to that child as CN_ messages.
bool TWinControl::ReflectToChild(TMessage& message) {
  TControl* child = FindControl(static_cast<HWND>(message.LParam));
  if (!child || child == this) return false;
  message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

LRESULT TWinControl::NotifyParentWindow(UINT code, NMHDR& header) {
  const HWND handle = Handle();
  header.hwndFrom = handle;
  header.idFrom = handle;
  header.code = code;
  return SendMessageA(GetParent(handle), WM_NOTIFY, handle, reinterpret_cast<LPARAM>(&header));
}

// WM_NOTIFY names its sender in the header that lParam addresses; it goes back as CN_NOTIFY.
bool TWinControl::ReflectNotifyToChild(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  TControl* child = header ? FindControl(header->hwndFrom) : nullptr;
  if (!child || child == this) return false;
  message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
  return true;
}

TControl* TWinControl::MouseCaptureChild() {
  if (FMouseControl && (!FHandle || GetCapture() != FHandle)) {
    // Another window took the mouse: the child's press is over.
    TControl* child = std::exchange(FMouseControl, nullptr);
    child->Perform(CM_CANCELMODE, 0, 0);
  }
  return FMouseControl;
}

void TWinControl::ReleaseMouseCaptureChild() {
  FMouseControl = nullptr;
  if (FHandle && GetCapture() == FHandle) ReleaseCapture();
}

// Mouse messages over a child without a window go to that child, in its coordinates; a child
// that captures the mouse gets every mouse message from its press to the release.
bool TWinControl::ForwardMouseToChild(TMessage& message) {
  POINT point = PointOfLParam(message.LParam);
  TControl* child = MouseCaptureChild();
  if (!child) {
    child = ControlAtPos(point, false);
    if (!child) return false;
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) &&
        child->CapturesMouse() && FHandle) {
      FMouseControl = child;
      SetCapture(FHandle);
    }
  }
  if (message.Msg == WM_LBUTTONUP && child == FMouseControl) ReleaseMouseCaptureChild();
  LPARAM childPoint = MAKELPARAM(static_cast<WORD>(point.x - child->Left()),
                                 static_cast<WORD>(point.y - child->Top()));
  message.Result = child->Perform(message.Msg, message.WParam, childPoint);
  return true;
}

// The popup menu of the child without a window under the point, or else this control's own.
bool TWinControl::ShowPopupAt(POINT screenPoint) {
  POINT client = screenPoint;
  if (FHandle) ::ScreenToClient(FHandle, &client);
  TControl* child = ControlAtPos(client, false);
  return (child && ShowContextPopup(child, screenPoint)) || ShowContextPopup(this, screenPoint);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      UpdateBounds();
      return;
    case WM_SETFOCUS:
      FocusReceived();
      break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (ReflectToChild(message)) return;
      break;
    case WM_NOTIFY:
      if (ReflectNotifyToChild(message)) return;
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
      message.Result = HandleForwardedKey(*this, message);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      HandleDialogMessage(*this, message);
      return;
    case WM_CONTEXTMENU:
      if (ShowPopupAt(PointOfLParam(message.LParam))) return;
      break;
    default:
      // A right click still reaches the default handling, which asks for the shortcut menu.
      if (IsMouseMessage(message.Msg) && ForwardMouseToChild(message) &&
          message.Msg != WM_RBUTTONUP)
        return;
  }
  DefaultHandler(message);
}
