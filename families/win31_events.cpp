// The outline record's class and display text.

#include "families/win31_events.h"

#include "families/family_strings.h"
#include "platform/sysutils.h"

using namespace family_strings;

const TLogEventClass& TOutlineNodeChangeEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TOutlineNodeChangeEvent::FNode>("Node"),
      FieldProperty<&TOutlineNodeChangeEvent::FNodeText>("NodeText"),
      TWindowEvent::WindowNameProperty(),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TOutlineNodeChangeEvent>({
      .Name = "TOutlineNodeChangeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SOutlineNodeChange,
  });
  return cls;
}

std::string TOutlineNodeChangeEvent::AsString() const {
  return Format("%s %d: %s", WindowName(), FNode, FNodeText);
}
