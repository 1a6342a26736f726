// The hot-key control: a shortcut taken from the keys pressed in it.

#include "platform/vcl/hot_key.h"

namespace {

bool IsModifierKey(WPARAM key) { return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU; }

// The modifiers of a hot-key control's value in the high byte of its window's value, and back.
WORD HotKeyFlags(TShortCut shortCut) {
  WORD flags = 0;
  if (shortCut & scShift) flags |= HOTKEYF_SHIFT;
  if (shortCut & scCtrl) flags |= HOTKEYF_CONTROL;
  if (shortCut & scAlt) flags |= HOTKEYF_ALT;
  return static_cast<WORD>((flags << 8) | (shortCut & 0xFF));
}

TShortCut ShortCutOfFlags(WPARAM value) {
  const auto flags = static_cast<BYTE>(value >> 8);
  TShortCut shortCut = static_cast<TShortCut>(value & 0xFF);
  if (flags & HOTKEYF_SHIFT) shortCut |= scShift;
  if (flags & HOTKEYF_CONTROL) shortCut |= scCtrl;
  if (flags & HOTKEYF_ALT) shortCut |= scAlt;
  return shortCut;
}

}  // namespace

const TComponentClass& THotKey::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&THotKey::HotKeyText, &THotKey::SetHotKeyText>("HotKey"),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "THotKey",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<THotKey>,
  });
  return cls;
}

THotKey::THotKey(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

void THotKey::SetHotKeyText(const std::string& value) {
  const TShortCut shortCut = TextToShortCut(value);
  if (shortCut == 0 && !value.empty())
    throw EConvertError(Format("'%s' is not a valid shortcut", value));
  FHotKey = shortCut;
}

// A key with the modifiers held now is the new value; Backspace or Delete alone clear it.
void THotKey::KeyPressed(WPARAM key) {
  if (IsModifierKey(key)) return;
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  const bool clears = (key == VK_BACK || key == VK_DELETE) && shift.Empty();
  const TShortCut value = clears ? 0 : ShortCut(static_cast<WORD>(key & 0xFF), shift);
  if (value == FHotKey) return;
  FHotKey = value;
  if (OnChange) OnChange(this);
}

void THotKey::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN:
      if (CanFocus()) SetFocus();
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      KeyPressed(message.WParam);
      return;
    case WM_CHAR:
    case WM_SYSCHAR:
      return;  // the keys themselves make the value
    case HKM_GETHOTKEY:
      message.Result = HotKeyFlags(FHotKey);
      return;
    case HKM_SETHOTKEY:
      FHotKey = ShortCutOfFlags(message.WParam);
      return;
  }
  TStdControl::WndProc(message);
}
