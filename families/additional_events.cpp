// The additional-control records' classes and display texts.

#include "families/additional_events.h"

#include "families/family_strings.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

using namespace family_strings;

const TLogEventClass& TSpeedButtonEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {TWindowEvent::WindowNameProperty()};
  static const TLogEventClass& cls = DefineLogEventClass<TSpeedButtonEvent>({
      .Name = "TSpeedButtonEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SSpeedButtonClick,
  });
  return cls;
}

TGridCellChangeEvent::TGridCellChangeEvent(std::string windowName, POINT cell)
    : TWindowEvent(std::move(windowName)), FCell(Format("%d, %d", cell.x, cell.y)) {}

const TLogEventClass& TGridCellChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      TGridCellChangeEvent::CellProperty(),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TGridCellChangeEvent>({
      .Name = "TGridCellChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SGridCellChange,
  });
  return cls;
}

std::string TGridCellChangeEvent::AsString() const { return Format("%s %s", WindowName(), FCell); }

const TLogEventClass& TGridEditEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {FieldProperty<&TGridEditEvent::FText>("Text")};
  static const TLogEventClass& cls = DefineLogEventClass<TGridEditEvent>({
      .Name = "TGridEditEvent",
      .Parent = &TGridCellChangeEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SGridCellEdit,
  });
  return cls;
}

std::string TGridEditEvent::AsString() const {
  return Format("%s %s: %s", WindowName(), Cell(), FText);
}

const TLogEventClass& TSplitterEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TSplitterEvent::FPosition>("Position"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TSplitterEvent>({
      .Name = "TSplitterEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SSplitter,
  });
  return cls;
}

std::string TSplitterEvent::AsString() const { return Format("%s %d", WindowName(), FPosition); }

const TLogEventClass& TCheckListBoxEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TCheckListBoxEvent::FCheckedState>("CheckedState"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TCheckListBoxEvent>({
      .Name = "TCheckListBoxEvent",
      .Parent = &TListBoxSelectEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SCheckListBoxSelect,
  });
  return cls;
}

std::string TCheckListBoxEvent::AsString() const {
  return Format("%s %s (%d) %s", WindowName(), SelectedItem(), SelectedIndex(),
                LoadStr(FCheckedState ? SItemChecked : SItemUnchecked));
}
