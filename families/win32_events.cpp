// The common-control records' classes and display texts.

#include "families/win32_events.h"

#include "families/family_strings.h"
#include "log/log_lifecycle.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

using namespace family_strings;

namespace {

// A record class that stores nothing beyond what its parent class stores.
template <typename T>
const TLogEventClass& DefineDerivedClass(std::string_view name, const TLogEventClass& parent,
                                         int eventNameId) {
  return DefineLogEventClass<T>({.Name = name, .Parent = &parent, .EventNameId = eventNameId});
}

// A tree-view or list-view record class: window name and item index.
template <typename T>
const TLogEventClass& DefineChangeClass(std::string_view name, int eventNameId) {
  static constexpr TPropInfo kProperties[] = {
      TTLVChangeEvent::IndexProperty(),
      TWindowEvent::WindowNameProperty(),
  };
  return DefineLogEventClass<T>({
      .Name = name,
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = eventNameId,
  });
}

// A label-edit record class: window name, item index and the new text.
template <typename T>
const TLogEventClass& DefineEditClass(std::string_view name, int eventNameId) {
  static constexpr TPropInfo kProperties[] = {
      TTLVChangeEvent::IndexProperty(),
      TTLVEditEvent::TextProperty(),
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

const TLogEventClass& TTabControlChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TTabControlChangeEvent::FTabIndex>("TabIndex"),
      FieldProperty<&TTabControlChangeEvent::FTabName>("TabName"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TTabControlChangeEvent>({
      .Name = "TTabControlChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = STabControlChange,
  });
  return cls;
}

std::string TTabControlChangeEvent::AsString() const {
  return Format("%s: %s (%d)", WindowName(), FTabName, FTabIndex);
}

const TLogEventClass& TTrackBarChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TTrackBarChangeEvent::FPosition>("Position"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TTrackBarChangeEvent>({
      .Name = "TTrackBarChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = STrackBarChange,
  });
  return cls;
}

// The closing parenthesis has no opening one: "Form1.TrackBar1: Position = 5)". Logs and readers
// of them have always shown it so.
std::string TTrackBarChangeEvent::AsString() const {
  return Format("%s: %s = %d)", WindowName(), LoadStr(SPosition), FPosition);
}

const TLogEventClass& TUpDownChangeEvent::StaticClass() {
  static const TLogEventClass& cls = DefineDerivedClass<TUpDownChangeEvent>(
      "TUpDownChangeEvent", TTrackBarChangeEvent::StaticClass(), SUpDownChange);
  return cls;
}

const TLogEventClass& THotKeyChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&THotKeyChangeEvent::FHotKey>("HotKey"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<THotKeyChangeEvent>({
      .Name = "THotKeyChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SHotKeyChange,
  });
  return cls;
}

std::string THotKeyChangeEvent::AsString() const { return Format("%s: %s", WindowName(), FHotKey); }

const TLogEventClass& TCalendarChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TCalendarChangeEvent::FDateTime>("DateTime"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TCalendarChangeEvent>({
      .Name = "TCalendarChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SCalendarChange,
  });
  return cls;
}

std::string TCalendarChangeEvent::GetPropAndValue(std::string_view name) const {
  if (name == "DateTime") return "DateTime=" + FormatDateTime(QVDateTimeFormat(), FDateTime);
  return "";
}

std::string TCalendarChangeEvent::AsString() const {
  return Format("%s %s", WindowName(), FormatDateTime(QVDateTimeFormat(), FDateTime));
}

const TLogEventClass& THeaderSizeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      THeaderEvent::SectionIndexProperty(),
      THeaderEvent::SectionNameProperty(),
      THeaderEvent::SizeProperty(),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<THeaderSizeEvent>({
      .Name = "THeaderSizeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SHeaderResize,
  });
  return cls;
}

std::string THeaderSizeEvent::AsString() const {
  return Format("%s: %s (%d) %d", WindowName(), SectionName(), SectionIndex(), Size());
}

const TLogEventClass& THeaderClickEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      THeaderEvent::SectionIndexProperty(),
      THeaderEvent::SectionNameProperty(),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<THeaderClickEvent>({
      .Name = "THeaderClickEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SHeaderClick,
  });
  return cls;
}

std::string THeaderClickEvent::AsString() const {
  return Format("%s: %s (%d)", WindowName(), SectionName(), SectionIndex());
}

const TLogEventClass& TListViewColumnClickEvent::StaticClass() {
  static const TLogEventClass& cls = DefineDerivedClass<TListViewColumnClickEvent>(
      "TListViewColumnClickEvent", THeaderClickEvent::StaticClass(), SListViewColumnClick);
  return cls;
}

const TLogEventClass& TToolButtonEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TToolButtonEvent::FAction>("Action"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TToolButtonEvent>({
      .Name = "TToolButtonEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SToolbarButton,
  });
  return cls;
}

std::string TToolButtonEvent::AsString() const { return Format("%s %s", WindowName(), FAction); }

const TLogEventClass& TPageScrollerScrollEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TPageScrollerScrollEvent::FDirection>("Direction"),
      FieldProperty<&TPageScrollerScrollEvent::FPosition>("Position"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TPageScrollerScrollEvent>({
      .Name = "TPageScrollerScrollEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SPageScroller,
  });
  return cls;
}

std::string TPageScrollerScrollEvent::AsString() const {
  return Format("%s %s, %d", WindowName(), FDirection, FPosition);
}

std::string TTLVChangeEvent::AsString() const { return Format("%s %d", WindowName(), FIndex); }

std::string TTLVEditEvent::AsString() const {
  return Format("%s %d \"%s\"", WindowName(), Index(), FText);
}

const TLogEventClass& TTreeViewEditEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineEditClass<TTreeViewEditEvent>("TTreeViewEditEvent", STreeViewEdit);
  return cls;
}

const TLogEventClass& TTreeViewChangeEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineChangeClass<TTreeViewChangeEvent>("TTreeViewChangeEvent", STreeViewSelect);
  return cls;
}

const TLogEventClass& TTreeViewExpandEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineChangeClass<TTreeViewExpandEvent>("TTreeViewExpandEvent", STreeViewExpand);
  return cls;
}

const TLogEventClass& TTreeViewCollapseEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineChangeClass<TTreeViewCollapseEvent>("TTreeViewCollapseEvent", STreeViewCollapse);
  return cls;
}

const TLogEventClass& TListViewEditEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineEditClass<TListViewEditEvent>("TListViewEditEvent", SListViewEdit);
  return cls;
}

const TLogEventClass& TListViewChangeEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineChangeClass<TListViewChangeEvent>("TListViewChangeEvent", SListViewSelect);
  return cls;
}
