// The standard controls' shared base: clicks, action links and parent notifications.

#include "platform/vcl/std_control.h"

#include <utility>

#include "platform/vcl/actions.h"

const TComponentClass& TStdControl::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      kTabOrderProperty,
      Published<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop", {.Default = false}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TStdControl",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

TStdControl::TStdControl(TComponent* owner) : TWinControl(owner) {}

TStdControl::~TStdControl() { SetAction(nullptr); }

void TStdControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (Action())
    Action()->Execute();
}

void TStdControl::SetAction(TAction* value) {
  if (Action()) Action()->Unlink(this);
  TWinControl::SetAction(value);
  if (value) value->Link(this, [this](const TAction& changed) { ActionChanged(changed); });
}

void TStdControl::ActionChanged(const TAction& action) {
  SetCaption(action.Caption());
  SetEnabled(action.Enabled());
}

void TStdControl::NotifyParent(WORD code) {
  const HWND handle = Handle();
  SendMessageA(GetParent(handle), WM_COMMAND, MAKEWPARAM(LOWORD(handle), code),
               static_cast<LPARAM>(handle));
}

int TItemStrings::Add(const std::string& s) {
  const int index = TStringList::Add(s);
  Changed();
  return index;
}

void TItemStrings::Insert(int index, const std::string& s) {
  TStringList::Insert(index, s);
  Changed();
}

void TItemStrings::Put(int index, const std::string& s) {
  TStringList::Put(index, s);
  Changed();
}

void TItemStrings::Delete(int index) {
  TStringList::Delete(index);
  Changed();
}

// Reported at once, also within an update: the control drops its choice with its items, before
// any new ones come.
void TItemStrings::Clear() {
  TStringList::Clear();
  if (OnChange) OnChange();
}

void TItemStrings::SetUpdateState(bool updating) {
  if (!updating && std::exchange(FChangedInUpdate, false) && OnChange) OnChange();
}

void TItemStrings::Changed() {
  if (Updating())
    FChangedInUpdate = true;
  else if (OnChange)
    OnChange();
}

POINT PointOfMessage(LPARAM lParam) {
  return {static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
          static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
}
