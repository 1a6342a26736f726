// TCheckListBox: check states per item, toggled by the mouse and by Space.

#include "platform/vcl/check_list_box.h"

#include <cstdint>
#include <string>
#include <utility>

#include "platform/vcl/errors.h"

namespace {

TCheckBoxState StateOfObject(void* object) {
  return static_cast<TCheckBoxState>(reinterpret_cast<uintptr_t>(object));
}

void* ObjectOfState(TCheckBoxState state) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(state));
}

}  // namespace

const TComponentClass& TCheckListBox::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed>("AllowGrayed",
                                                                             {.Default = false}),
      Published<&TCheckListBox::StateLines, &TCheckListBox::SetStateLines>("Checked"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCheckListBox",
      .Parent = &TListBox::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TCheckListBox>,
  });
  return cls;
}

TCheckListBox::TCheckListBox(TComponent* owner) : TListBox(owner) {}

TCheckBoxState TCheckListBox::State(int index) const {
  if (index < 0 || index >= Items()->Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  return StateOfObject(Items()->GetObject(index));
}

void TCheckListBox::SetState(int index, TCheckBoxState value) {
  if (index < 0 || index >= Items()->Count())
    throw EListError(Format("List index out of bounds (%d)", index));
  Items()->PutObject(index, ObjectOfState(value));
}

bool TCheckListBox::OnCheckBox(POINT point) const { return point.x >= 0 && point.x < ItemHeight(); }

void TCheckListBox::ToggleCheck(int index) {
  if (index < 0 || index >= Items()->Count()) return;
  TCheckBoxState next = cbUnchecked;
  switch (State(index)) {
    case cbUnchecked:
      next = FAllowGrayed ? cbGrayed : cbChecked;
      break;
    case cbGrayed:
      next = cbChecked;
      break;
    case cbChecked:
      break;
  }
  SetState(index, next);
  if (OnClickCheck) OnClickCheck(this);
}

// One line per item, its state's ordinal; none when no item is checked or grayed.
std::vector<std::string> TCheckListBox::StateLines() const {
  std::vector<std::string> lines;
  bool anySet = false;
  for (int i = 0; i < Items()->Count(); ++i) {
    const TCheckBoxState state = State(i);
    anySet = anySet || state != cbUnchecked;
    lines.push_back(std::to_string(static_cast<int>(state)));
  }
  if (!anySet) lines.clear();
  return lines;
}

void TCheckListBox::SetStateLines(const std::vector<std::string>& lines) {
  std::vector<TCheckBoxState> states;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line != "0" && line != "1" && line != "2")
      throw ELineError(static_cast<int>(i), Format("Check state '%s' is not 0, 1 or 2", line));
    states.push_back(static_cast<TCheckBoxState>(line[0] - '0'));
  }
  if (Loading())
    FPendingStates = std::move(states);  // the items may come later in the file
  else
    ApplyStates(states);
}

void TCheckListBox::ApplyStates(const std::vector<TCheckBoxState>& states) {
  const int count = Items()->Count();
  if (states.size() > static_cast<size_t>(count))
    throw ELineError(
        count, Format("%d check states for %d items", static_cast<int>(states.size()), count));
  for (int i = 0; i < count; ++i)
    SetState(i, i < static_cast<int>(states.size()) ? states[static_cast<size_t>(i)] : cbUnchecked);
}

void TCheckListBox::ReadCompleted() {
  TListBox::ReadCompleted();
  ApplyStates(std::exchange(FPendingStates, {}));
}

void TCheckListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The list takes the press first (focus, choice); a press on a box then toggles it, before
      // the release tells the parent of the choice.
      TListBox::WndProc(message);
      const POINT point = PointOfMessage(message.LParam);
      const int index = ItemAt(point);
      if (index >= 0 && OnCheckBox(point)) ToggleCheck(index);
      return;
    }
    case WM_CHAR:
      if (message.WParam == ' ') {
        ToggleCheck(ItemIndex());
        return;
      }
      break;
  }
  TListBox::WndProc(message);
}
