// Single- and multi-line edits.

#include "platform/vcl/edit.h"

#include <algorithm>
#include <utility>

namespace {

std::string JoinLines(const TStrings& lines) {
  std::string text;
  for (int i = 0; i < lines.Count(); ++i) text += (i ? "\r\n" : "") + lines.Get(i);
  return text;
}

}  // namespace

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

// Whether typing that adds `addedLength` characters is refused: nothing is typed into a read-only
// edit, and typing never takes the text beyond the limit (the parent hears EN_MAXTEXT).
bool TCustomEdit::Refused(size_t addedLength) {
  if (FReadOnly) return true;
  if (addedLength == 0 || FMaxLength == 0 ||
      Text().size() + addedLength <= static_cast<size_t>(FMaxLength))
    return false;
  NotifyParent(EN_MAXTEXT);
  return true;
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !MultiLine()) SelectAll();
}

void TCustomEdit::Typed(char character) {
  std::string text = Text();
  EditSelection selection = FSelection;
  if (!TypeIntoEdit(text, selection, character, MultiLine())) return;
  const size_t oldLength = Text().size();
  if (Refused(text.size() > oldLength ? text.size() - oldLength : 0)) return;
  Edited(text, selection);
}

void TCustomEdit::KeyDown(WPARAM key) {
  std::string text = Text();
  EditSelection selection = FSelection;
  if (key == VK_DELETE) {
    if (DeleteInEdit(text, selection) && !Refused(0)) Edited(text, selection);
  } else if (!MultiLine() && MoveEditCaret(text, selection, key, GetKeyState(VK_SHIFT) < 0)) {
    FSelection = selection;
  }
}

void TCustomEdit::Edited(const std::string& text, const EditSelection& selection) {
  DefWindowProcA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  FSelection = selection;
  TextChanged();
  NotifyParent(EN_UPDATE);
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
      FSelection = EditSelection::AtEnd(Text());
      return;
    case WM_CHAR:
      Typed(static_cast<char>(message.WParam));
      return;
    case WM_KEYDOWN:
      KeyDown(message.WParam);
      return;
    case EM_SETSEL:
      SetEditSelection(Text(), FSelection, message.WParam, message.LParam);
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
    case WM_SETTEXT:
      TStdControl::WndProc(message);
      FSelection = EditSelection::AtEnd(Text());
      TextChanged();
      // A multi-line edit reports no change of text set by program code.
      if (!MultiLine()) {
        NotifyParent(EN_UPDATE);
        NotifyParent(EN_CHANGE);
      }
      return;
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

// ---- TEdit and TMemo ----------------------------------------------------------------------------

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

const TComponentClass& TMemo::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TMemo::Lines>("Lines"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMemo",
      .Parent = &TCustomEdit::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TMemo>,
  });
  return cls;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  FLines.OnChange = [this] {
    if (FSyncing) return;
    FSyncing = true;
    TCustomEdit::DoSetText(JoinLines(FLines));
    FSyncing = false;
  };
}

void TMemo::DoSetText(const std::string& value) {
  TCustomEdit::DoSetText(value);
  TextChanged();
}

void TMemo::TextChanged() {
  if (FSyncing) return;
  FSyncing = true;
  FLines.SetText(Text());
  FSyncing = false;
}
