// Single- and multi-line edits.

#include "platform/vcl/edit.h"

#include <algorithm>
#include <utility>

// ---- TCustomEdit --------------------------------------------------------------------------------

const TComponentClass& TCustomEdit::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength", {.Default = 0}),
      Published<&TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar>("PasswordChar",
                                                                           {.Default = 0}),
      Published<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly", {.Default = false}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomEdit",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

void TCustomEdit::SetPasswordChar(char value) {
  FPasswordChar = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<BYTE>(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value ? 1 : 0, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  FMaxLength = std::max(value, 0);
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TStdControl::CreateParams(params);
  params.Style |= (MultiLine() ? ES_MULTILINE : 0) | (FPasswordChar ? ES_PASSWORD : 0) |
                  (FReadOnly ? ES_READONLY : 0);
}

// Whether typing that makes the text `newLength` long is refused: typing never takes the text
// beyond the limit (the parent hears EN_MAXTEXT).
bool TCustomEdit::Refused(size_t newLength) {
  if (FMaxLength == 0 || newLength <= FText.size() || newLength <= static_cast<size_t>(FMaxLength))
    return false;
  NotifyParent(EN_MAXTEXT);
  return true;
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !MultiLine()) SelectAll();
}

// Nothing is typed into a read-only edit.
void TCustomEdit::Typed(char character) {
  if (FReadOnly || Refused(LengthAfterTyping(FText, FSelection, character, MultiLine()))) return;
  if (TypeIntoEdit(FText, FSelection, character, MultiLine())) Edited();
}

void TCustomEdit::KeyDown(WPARAM key) {
  if (key == VK_DELETE) {
    if (!FReadOnly && DeleteInEdit(FText, FSelection)) Edited();
  } else if (!MultiLine()) {
    MoveEditCaret(FText, FSelection, key, GetKeyState(VK_SHIFT) < 0);
  }
}

void TCustomEdit::Edited() {
  TextChanged();
  if (ReportsUpdates()) NotifyParent(EN_UPDATE);
  NotifyParent(EN_CHANGE);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result =
          DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (MultiLine() ? DLGC_WANTALLKEYS : 0);
      return;
    case WM_LBUTTONDOWN:
      // The caret goes where the user clicked (here: after the text), whatever was selected.
      if (CanFocus()) SetFocus();
      FSelection = EditSelection::AtEnd(FText);
      return;
    case WM_CHAR:
      Typed(static_cast<char>(message.WParam));
      return;
    case WM_KEYDOWN:
      KeyDown(message.WParam);
      return;
    case EM_SETSEL:
      SetEditSelection(FText, FSelection, message.WParam, message.LParam);
      return;
    case EM_GETSEL:
      message.Result = GetEditSelection(FSelection, message.WParam, message.LParam);
      return;
    case WM_SETFOCUS:
      TStdControl::WndProc(message);
      NotifyParent(EN_SETFOCUS);
      return;
    case WM_KILLFOCUS:
      TStdControl::WndProc(message);
      NotifyParent(EN_KILLFOCUS);
      return;
    case WM_GETTEXT:
      message.Result = CopyWindowText(FText, message.WParam, message.LParam);
      return;
    case WM_GETTEXTLENGTH:
      message.Result = static_cast<LRESULT>(FText.size());
      return;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(message.LParam);
      FText = text ? text : "";
      FSelection = EditSelection::AtEnd(FText);
      TextChanged();
      message.Result = 1;
      // A multi-line edit reports no change of text set by program code.
      if (!MultiLine()) {
        NotifyParent(EN_UPDATE);
        NotifyParent(EN_CHANGE);
      }
      return;
    }
    case EM_GETPASSWORDCHAR:
      message.Result = static_cast<BYTE>(FPasswordChar);
      return;
    case EM_SETPASSWORDCHAR:
      FPasswordChar = static_cast<char>(message.WParam);
      return;
    case EM_SETREADONLY:
      FReadOnly = message.WParam != 0;
      SetWindowLongPtrA(Handle(), GWL_STYLE,
                        (GetWindowLongPtrA(Handle(), GWL_STYLE) & ~LONG_PTR{ES_READONLY}) |
                            (FReadOnly ? ES_READONLY : 0));
      message.Result = 1;
      return;
    case EM_LIMITTEXT:
      FMaxLength = static_cast<int>(std::min<WPARAM>(message.WParam, 0x7FFFFFFE));
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE && OnChange) OnChange(this);
      return;
  }
  TStdControl::WndProc(message);
}

// ---- TEdit and the memos ------------------------------------------------------------------------

const TComponentClass& TEdit::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect>("AutoSelect",
                                                                       {.Default = true}),
      Published<&TControl::Text, &TControl::SetText>("Text"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TEdit",
      .Parent = &TCustomEdit::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TEdit>,
  });
  return cls;
}

const TComponentClass& TCustomMemo::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomMemo",
      .Parent = &TCustomEdit::StaticClass(),
  });
  return cls;
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner),
      FLines([this] { return Text(); },
             [this](const std::string& text) { TCustomEdit::DoSetText(text); }) {}

void TCustomMemo::DoSetText(const std::string& value) {
  TCustomEdit::DoSetText(value);
  TextChanged();
}

const TComponentClass& TMemo::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCustomMemo::Lines>("Lines"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMemo",
      .Parent = &TCustomMemo::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TMemo>,
  });
  return cls;
}
