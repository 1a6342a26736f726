// The window and mouse records' classes and display texts.

#include "families/api_events.h"

#include "families/family_strings.h"
#include "platform/sysutils.h"

using namespace family_strings;

namespace {

template <typename T>
const TLogEventClass& DefineWindowEventClass(std::string_view name, int eventNameId) {
  static constexpr TPropInfo kProperties[] = {TWindowEvent::WindowNameProperty()};
  return DefineLogEventClass<T>({
      .Name = name,
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = eventNameId,
  });
}

}  // namespace

const TLogEventClass& TActivateEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineWindowEventClass<TActivateEvent>("TActivateEvent", SActivateWindow);
  return cls;
}

const TLogEventClass& TSetFocusEvent::StaticClass() {
  static const TLogEventClass& cls =
      DefineWindowEventClass<TSetFocusEvent>("TSetFocusEvent", SSetFocus);
  return cls;
}

const TLogEventClass& TMinMaxEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TMinMaxEvent::FAction>("Action"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TMinMaxEvent>({
      .Name = "TMinMaxEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SMinMaxWindow,
  });
  return cls;
}

std::string TMinMaxEvent::AsString() const { return Format("%s (%s)", WindowName(), FAction); }

const TLogEventClass& TMoveSizeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TMoveSizeEvent::FBottom>("Bottom"),
      FieldProperty<&TMoveSizeEvent::FLeft>("Left"),
      FieldProperty<&TMoveSizeEvent::FRight>("Right"),
      FieldProperty<&TMoveSizeEvent::FTop>("Top"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TMoveSizeEvent>({
      .Name = "TMoveSizeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SMoveSizeWindow,
  });
  return cls;
}

std::string TMoveSizeEvent::AsString() const {
  return Format("%s ((%d,%d),(%d,%d))", WindowName(), FLeft, FTop, FRight, FBottom);
}

const TLogEventClass& TMouseClickEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TMouseClickEvent::FControlName>("ControlName"),
      FieldProperty<&TMouseClickEvent::FX>("X"),
      FieldProperty<&TMouseClickEvent::FY>("Y"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TMouseClickEvent>({
      .Name = "TMouseClickEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SMouseClick,
  });
  return cls;
}
