// The standard-control records' classes and display texts.

#include "families/std_events.h"

#include "families/family_strings.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

using namespace family_strings;

namespace {

// A choice record's class: window name, selected item and index.
template <typename T>
const TLogEventClass& DefineSelectEventClass(std::string_view name, int eventNameId) {
  static constexpr TPropInfo kProperties[] = {
      TSelectEvent::SelectedIndexProperty(),
      TSelectEvent::SelectedItemProperty(),
      TWindowEvent::WindowNameProperty(),
  };
  return DefineLogEventClass<T>({
      .Name = name,
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = eventNameId,
  });
}

}  // namespace

const TLogEventClass& TButtonEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TButtonEvent::FAction>("Action"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TButtonEvent>({
      .Name = "TButtonEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SButtonClick,
  });
  return cls;
}

std::string TButtonEvent::AsString() const { return Format("%s %s", WindowName(), FAction); }

std::string TSelectEvent::AsString() const {
  return Format("%s %s (%d)", WindowName(), FSelectedItem, FSelectedIndex);
}

const TLogEventClass& TComboBoxSelectEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineSelectEventClass<TComboBoxSelectEvent>("TComboBoxSelectEvent", SComboBoxSelect);
  return cls;
}

const TLogEventClass& TListBoxSelectEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineSelectEventClass<TListBoxSelectEvent>("TListBoxSelectEvent", SListBoxSelect);
  return cls;
}

const TLogEventClass& TRadioGroupEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineSelectEventClass<TRadioGroupEvent>("TRadioGroupEvent", SRadioGroupSelect);
  return cls;
}

std::string TRadioGroupEvent::AsString() const {
  if (SelectedItem().empty()) return Format("%s %d", WindowName(), SelectedIndex());
  return TSelectEvent::AsString();
}

const TLogEventClass& TEditEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TEditEvent::FText>("Text"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TEditEvent>({
      .Name = "TEditEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SEditUpdate,
  });
  return cls;
}

std::string TEditEvent::AsString() const { return Format("%s %s", WindowName(), FText); }

const TLogEventClass& TScrollBarEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TScrollBarEvent::FOrientation>("Orientation"),
      FieldProperty<&TScrollBarEvent::FPosition>("Position"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TScrollBarEvent>({
      .Name = "TScrollBarEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SScrollBarPosition,
  });
  return cls;
}

std::string TScrollBarEvent::AsString() const {
  return Format("%s %d (%s)", WindowName(), FPosition, FOrientation);
}

const TLogEventClass& TMenuEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TMenuEvent::FMenuCaption>("MenuCaption"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TMenuEvent>({
      .Name = "TMenuEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SMenuSelect,
  });
  return cls;
}

const TLogEventClass& TActionEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TActionEvent::FAction>("Action"),
      FieldProperty<&TActionEvent::FLinkedTo>("LinkedTo"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TActionEvent>({
      .Name = "TActionEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SActionExecute,
  });
  return cls;
}

std::string TActionEvent::AsString() const {
  return FAction + LoadStr(SActionLinkedTo) + FLinkedTo;
}
