#pragma once
// A typical capture record for the benchmarks: a control path, a caption and a number, as a button
// click of a capture family carries them.

#include "log/log_event.h"
#include "log/log_event_proxy.h"

class TBenchClickEvent : public TLogEvent {
  LOG_EVENT_CLASS(TBenchClickEvent, TLogEvent)
  TBenchClickEvent(std::string control, std::string caption, int32_t state)
      : Control(std::move(control)), Caption(std::move(caption)), State(state) {}
  std::string Control;
  std::string Caption;
  int32_t State = 0;
};

inline const TLogEventClass& TBenchClickEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TBenchClickEvent::Control>("Control"),
      FieldProperty<&TBenchClickEvent::Caption>("Caption"),
      FieldProperty<&TBenchClickEvent::State>("State"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TBenchClickEvent>({
      .Name = "TBenchClickEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

class TBenchProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TBenchProxy)
  explicit TBenchProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TBenchClickEvent::StaticClass());
  }
};

inline const TLogEventProxyClass& TBenchProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TBenchProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TBenchProxy>};
  return cls;
}
