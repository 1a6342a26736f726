// TComboBox: its native edit child, its dropped-down list window, selection by mouse and keys,
// the CB_ queries and the notifications to its parent.

#include "platform/vcl/combo_box.h"

#include <algorithm>
#include <cstring>

#include "platform/vcl/application.h"
#include "platform/vcl/key_forwarding.h"
#include "platform/win32/system_edit.h"

namespace {

constexpr std::string_view kStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};
constexpr char kListClass[] = "ComboLBox";
constexpr int kButtonWidth = 17;
constexpr LONG_PTR kEditId = 1001;

bool TextStored(const TComponent& component) {
  const auto& combo = static_cast<const TComboBox&>(component);
  return combo.Style() != csDropDownList && !combo.Text().empty();
}

TComboBox* ComboOfEdit(HWND edit) { return dynamic_cast<TComboBox*>(FindControl(GetParent(edit))); }

}  // namespace

// The edit child's procedure while the combo box has subclassed it.
LRESULT ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TComboBox* combo = ComboOfEdit(hwnd);
  if (!combo) return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    return combo->EditWndProc(hwnd, msg, wParam, lParam);
  } catch (const std::exception& e) {
    Application().HandleException(combo, e);
    return 0;
  }
}

// The dropped-down list: it never takes the activation away from the form, and a click on one
// of its items chooses it.
LRESULT ComboListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* combo = reinterpret_cast<TComboBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (!combo || msg != WM_LBUTTONUP) return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    combo->ListChosen(combo->FListTop + PointOfMessage(lParam).y / combo->ItemHeight());
  } catch (const std::exception& e) {
    Application().HandleException(combo, e);
  }
  return 0;
}

const TComponentClass& TComboBox::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TComboBox::Style, &TComboBox::SetStyle>(
          "Style", {.ValueNames = kStyleNames, .Default = csDropDown}),
      Published<&TComboBox::Items>("Items"),
      Published<&TComboBox::ItemIndex, &TComboBox::SetItemIndex>(
          "ItemIndex", {.Default = -1, .AfterLists = true}),
      Published<&TControl::Text, &TControl::SetText>("Text", {.Stored = TextStored}),
      Published<&TComboBox::ItemHeight, &TComboBox::SetItemHeight>("ItemHeight", {.Default = 16}),
      Published<&TComboBox::DropDownCount, &TComboBox::SetDropDownCount>("DropDownCount",
                                                                         {.Default = 8}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TComboBox",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TComboBox>,
  });
  return cls;
}

TComboBox::TComboBox(TComponent* owner) : TStdControl(owner) {
  SetTabStop(true);
  FItems.OnChange = [this] {
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    SetListTop(FListTop);
  };
}

TComboBox::~TComboBox() {
  if (FList) DestroyWindow(FList);
}

// ---- the windows --------------------------------------------------------------------------------

int TComboBox::EditHeight() const { return FStyle == csSimple ? FItemHeight + 4 : Height(); }

int TComboBox::EditWidth() const { return Width() - (FStyle == csDropDown ? kButtonWidth : 0); }

void TComboBox::CreateWnd() {
  TStdControl::CreateWnd();
  if (FStyle == csDropDownList) return;
  RegisterSystemEditClass();
  FEdit =
      CreateWindowExA(0, kSystemEditClass, FText.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, EditWidth(),
                      EditHeight(), Handle(), static_cast<HMENU>(kEditId), 0, nullptr);
  FEditDefProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == FStyle) return;
  const std::string text = Text();
  FStyle = value;
  if (!HandleAllocated()) return;
  DestroyHandle();  // the edit child comes and goes with the style
  FText = text;
  HandleNeeded();
}

std::string TComboBox::DoGetText() const {
  if (FStyle == csDropDownList) return FItemIndex >= 0 ? FItems.Get(FItemIndex) : "";
  if (!FEdit) return FText;
  std::string text(static_cast<size_t>(GetWindowTextLengthA(FEdit)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(FEdit, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TComboBox::DoSetText(const std::string& value) {
  FItemIndex = FItems.IndexOf(value);
  if (FStyle == csDropDownList) return;
  FText = value;
  if (!FEdit) return;
  FSettingText = true;
  SetWindowTextA(FEdit, value.c_str());
  FSettingText = false;
}

// ---- selection ----------------------------------------------------------------------------------

void TComboBox::SetItemIndex(int value) {
  if (value == FItemIndex || value < -1 || value >= FItems.Count()) return;
  if (HandleAllocated()) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
    return;
  }
  FItemIndex = value;
  if (value >= 0) FText = FItems.Get(value);
}

void TComboBox::ShowSelection() {
  if (!FEdit) return;
  FSettingText = true;
  SetWindowTextA(FEdit, FItemIndex >= 0 ? FItems.Get(FItemIndex).c_str() : "");
  FSettingText = false;
}

void TComboBox::Select(int index) {
  FItemIndex = index;
  ScrollIntoView(index);
  ShowSelection();
  NotifyParent(CBN_SELCHANGE);
}

void TComboBox::SetDroppedDown(bool value) {
  if (value)
    DropDown();
  else
    CloseUp(false);
}

void TComboBox::DropDown() {
  if (FDropped || FStyle == csSimple) return;
  NotifyParent(CBN_DROPDOWN);
  if (!FList) {
    WNDCLASSA listClass;
    listClass.lpfnWndProc = &ComboListProc;
    listClass.lpszClassName = kListClass;
    RegisterClassA(listClass);
    FList = CreateWindowExA(0, kListClass, "", WS_POPUP, 0, 0, 0, 0, Handle(), 0, 0, nullptr);
    SetWindowLongPtrA(FList, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  SetListTop(FListTop);
  ScrollIntoView(FItemIndex);
  const POINT origin = ClientToScreen({0, Height()});
  MoveWindow(FList, origin.x, origin.y, Width(), BoundedSize(int64_t{ListRows()} * FItemHeight), 1);
  ShowWindow(FList, SW_SHOWNA);
  FDropped = true;
}

void TComboBox::CloseUp(bool chosen) {
  if (!FDropped) return;
  NotifyParent(chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
  ShowWindow(FList, SW_HIDE);
  FDropped = false;
  NotifyParent(CBN_CLOSEUP);
}

void TComboBox::ListChosen(int index) {
  if (index < 0 || index >= FItems.Count()) {
    CloseUp(false);
    return;
  }
  FItemIndex = index;
  ShowSelection();
  CloseUp(true);
  NotifyParent(CBN_SELCHANGE);
}

int TComboBox::ListRows() const {
  if (FStyle == csSimple) return std::max((Height() - EditHeight()) / FItemHeight, 1);
  return std::clamp(FItems.Count(), 1, FDropDownCount);
}

void TComboBox::SetListTop(int index) {
  FListTop = std::clamp(index, 0, std::max(FItems.Count() - ListRows(), 0));
}

void TComboBox::ScrollIntoView(int index) {
  if (index < 0) return;
  if (index < FListTop)
    SetListTop(index);
  else if (index >= FListTop + ListRows())
    SetListTop(index - ListRows() + 1);
}

POINT TComboBox::ItemScreenPoint(int index) const {
  const int listTop = FStyle == csSimple ? EditHeight() : Height();
  const int top = BoundedPosition(listTop + (int64_t{index} - FListTop) * FItemHeight);
  return ClientToScreen({Width() / 2, top + FItemHeight / 2});
}

POINT TComboBox::DropButtonPoint() const {
  if (FStyle == csDropDown) return {Width() - kButtonWidth / 2, Height() / 2};
  return {Width() / 2, EditHeight() / 2};
}

// ---- keys and focus -----------------------------------------------------------------------------

bool TComboBox::ComboKey(WPARAM key, LPARAM keyData) {
  const bool alt = (keyData & (1 << 29)) != 0;
  if (key == VK_F1 + 3 || (alt && (key == VK_DOWN || key == VK_UP))) {
    SetDroppedDown(!FDropped);
    return true;
  }
  if (FDropped && (key == VK_RETURN || key == VK_ESCAPE)) {
    CloseUp(key == VK_RETURN);
    return true;
  }
  const int last = FItems.Count() - 1;
  int index = FItemIndex;
  switch (key) {
    case VK_UP:
      index = std::max(index - 1, 0);
      break;
    case VK_DOWN:
      index = std::min(index + 1, last);
      break;
    case VK_HOME:
      index = 0;
      break;
    case VK_END:
      index = last;
      break;
    default:
      return false;
  }
  if (last >= 0 && index != FItemIndex) Select(index);
  return true;
}

void TComboBox::FocusChanged() {
  const HWND focus = GetFocus();
  const bool within = focus != 0 && (focus == FEdit || (HandleAllocated() && focus == Handle()));
  if (within == FFocused) return;
  FFocused = within;
  if (!within) CloseUp(false);
  NotifyParent(within ? CBN_SETFOCUS : CBN_KILLFOCUS);
  // The edit part's text is selected whenever the focus enters the combo box, so that typing
  // replaces it; a click into the edit then puts the caret where it was.
  if (within && FEdit) SendMessageA(FEdit, EM_SETSEL, 0, -1);
}

void TComboBox::EditCommand(WORD code) {
  switch (code) {
    case EN_SETFOCUS:
    case EN_KILLFOCUS:
      FocusChanged();
      break;
    case EN_UPDATE:
      if (!FSettingText) NotifyParent(CBN_EDITUPDATE);
      break;
    case EN_CHANGE:
      if (FSettingText) break;
      FItemIndex = -1;  // typed text is no item until one is chosen
      NotifyParent(CBN_EDITCHANGE);
      break;
  }
}

LRESULT TComboBox::EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ForwardKeyMessage(hwnd, msg, wParam, lParam)) return 0;
  // Home and End move the edit's caret; the other browsing keys choose items.
  const bool caretKey = wParam == VK_HOME || wParam == VK_END;
  if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && !caretKey && ComboKey(wParam, lParam))
    return 0;
  if (msg == WM_SETFOCUS) FocusReceived();  // the edit's focus is the combo box's
  if (msg == WM_DESTROY) {
    FText = Text();
    FEdit = 0;
  }
  return CallWindowProcA(FEditDefProc, hwnd, msg, wParam, lParam);
}

// ---- messages -----------------------------------------------------------------------------------

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CB_GETCOUNT:
      message.Result = FItems.Count();
      return;
    case CB_GETCURSEL:
      message.Result = FItemIndex;
      return;
    case CB_SETCURSEL: {
      const auto index = static_cast<int>(static_cast<LPARAM>(message.WParam));
      const bool valid = index >= 0 && index < FItems.Count();
      FItemIndex = valid ? index : -1;
      ScrollIntoView(FItemIndex);
      ShowSelection();
      message.Result = valid ? index : CB_ERR;
      return;
    }
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: {
      if (message.WParam >= static_cast<WPARAM>(FItems.Count())) {
        message.Result = CB_ERR;
        return;
      }
      const std::string& text = FItems.Get(static_cast<int>(message.WParam));
      if (message.Msg == CB_GETLBTEXT && message.LParam)
        std::memcpy(reinterpret_cast<char*>(message.LParam), text.c_str(), text.size() + 1);
      message.Result = static_cast<LRESULT>(text.size());
      return;
    }
    case CB_SHOWDROPDOWN:
      SetDroppedDown(message.WParam != 0);
      message.Result = 1;
      return;
    case CB_GETDROPPEDSTATE:
      message.Result = FDropped ? 1 : 0;
      return;
    case CB_GETTOPINDEX:
      message.Result = FListTop;
      return;
    case CB_SETTOPINDEX: {
      const bool valid = message.WParam < static_cast<WPARAM>(FItems.Count());
      if (valid) SetListTop(static_cast<int>(message.WParam));
      message.Result = valid ? 0 : CB_ERR;
      return;
    }
    case CB_ADDSTRING:
      message.Result = FItems.Add(reinterpret_cast<const char*>(message.LParam));
      return;
    case CB_RESETCONTENT:
      FItems.Clear();
      ShowSelection();
      return;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FDropped ? DLGC_WANTALLKEYS : 0);
      return;
    case WM_LBUTTONDOWN:
      if (CanFocus() && !FFocused) SetFocus();
      if (FStyle != csSimple) SetDroppedDown(!FDropped);
      return;
    case WM_LBUTTONUP:
      if (FStyle == csSimple) {
        const int index =
            FListTop + (PointOfMessage(message.LParam).y - EditHeight()) / FItemHeight;
        if (PointOfMessage(message.LParam).y >= EditHeight() && index < FItems.Count())
          Select(index);
      }
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ComboKey(message.WParam, message.LParam)) return;
      break;
    case WM_CHAR: {
      // The drop-down list style picks the next item that starts with the typed character.
      const auto typed = static_cast<char>(message.WParam);
      for (int step = 1; step <= FItems.Count(); ++step) {
        const int index = (FItemIndex + step) % FItems.Count();
        if (SameText(FItems.Get(index).substr(0, 1), std::string(1, typed))) {
          if (index != FItemIndex) Select(index);
          break;
        }
      }
      return;
    }
    case WM_SIZE:
      TStdControl::WndProc(message);
      if (FEdit) MoveWindow(FEdit, 0, 0, EditWidth(), EditHeight(), 1);  // the edit follows
      return;
    case WM_SETFOCUS:
      TStdControl::WndProc(message);
      if (FEdit) ::SetFocus(FEdit);
      FocusChanged();
      return;
    case WM_KILLFOCUS:
      TStdControl::WndProc(message);
      FocusChanged();
      return;
    case WM_COMMAND:
      if (FEdit && message.LParam == static_cast<LPARAM>(FEdit)) {
        EditCommand(HIWORD(message.WParam));
        return;
      }
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_SELCHANGE) Click();
      if (HIWORD(message.WParam) == CBN_EDITCHANGE && OnChange) OnChange(this);
      return;
    case WM_DESTROY:
      if (FList) DestroyWindow(FList);
      FList = 0;
      FDropped = false;
      FFocused = false;
      break;
  }
  TStdControl::WndProc(message);
}
