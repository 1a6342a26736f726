#pragma once
// Record and proxy classes for tests: a record with a property of every kind, records that
// misbehave, and proxies that own them.

#include <stdexcept>
#include <string>

#include "log/log_event.h"
#include "log/log_event_proxy.h"
#include "log/log_stream.h"

// One property of each kind, plus a read-only one that stays out of the log.
class TAllKindsEvent : public TLogEvent {
  LOG_EVENT_CLASS(TAllKindsEvent, TLogEvent)
  TAllKindsEvent() = default;

  int32_t Count = 0;
  int16_t Small = 0;
  char Letter = ' ';
  bool Flag = false;
  double Amount = 0;
  std::string ShortText;
  std::string LongText;
  int32_t Computed = 42;

  static const TLogEventClass& Define() {
    static constexpr TPropInfo kProperties[] = {
        FieldProperty<&TAllKindsEvent::Count>("Count"),
        FieldProperty<&TAllKindsEvent::Small>("small"),
        FieldProperty<&TAllKindsEvent::Letter>("Letter"),
        FieldProperty<&TAllKindsEvent::Flag>("Flag"),
        FieldProperty<&TAllKindsEvent::Amount>("Amount"),
        ShortStringProperty<&TAllKindsEvent::ShortText>("ShortText"),
        FieldProperty<&TAllKindsEvent::LongText>("LongText"),
        {.Name = "Computed",
         .Kind = tkInteger,
         .GetOrd =
             [](const TLogEvent& e) { return static_cast<const TAllKindsEvent&>(e).Computed; }},
    };
    static const TLogEventClass& cls = DefineLogEventClass<TAllKindsEvent>({
        .Name = "TAllKindsEvent",
        .Parent = &TLogEvent::StaticClass(),
        .OwnProperties = kProperties,
    });
    return cls;
  }
};
inline const TLogEventClass& TAllKindsEvent::StaticClass() { return Define(); }

// A click record as a capture family would write it: a control path and two more values.
class TClickEvent : public TLogEvent {
  LOG_EVENT_CLASS(TClickEvent, TLogEvent)
  TClickEvent(std::string control, std::string caption, int32_t x)
      : Control(std::move(control)), Caption(std::move(caption)), X(x) {}
  std::string Control;
  std::string Caption;
  int32_t X = 0;
  std::string AsString() const override { return Control; }

  static const TLogEventClass& Define() {
    static constexpr TPropInfo kProperties[] = {
        FieldProperty<&TClickEvent::Control>("Control"),
        FieldProperty<&TClickEvent::Caption>("Caption"),
        FieldProperty<&TClickEvent::X>("X"),
    };
    static const TLogEventClass& cls = DefineLogEventClass<TClickEvent>({
        .Name = "TClickEvent",
        .Parent = &TLogEvent::StaticClass(),
        .OwnProperties = kProperties,
        .UIDefaults = TEventUIDefaults{0x00123456, true, false},
    });
    return cls;
  }
};
inline const TLogEventClass& TClickEvent::StaticClass() { return Define(); }

// A record whose body fails half-way through, after some strings and bytes.
class TFailingEvent : public TLogEvent {
  LOG_EVENT_CLASS(TFailingEvent, TLogEvent)
  TFailingEvent() = default;
  std::string Text = "only in a failed record";
  void Write(TLogStream& stream) const override {
    TLogEvent::Write(stream);
    throw std::runtime_error("disk on fire");
  }
  static const TLogEventClass& Define() {
    static constexpr TPropInfo kProperties[] = {FieldProperty<&TFailingEvent::Text>("Text")};
    static const TLogEventClass& cls = DefineLogEventClass<TFailingEvent>({
        .Name = "TFailingEvent",
        .Parent = &TLogEvent::StaticClass(),
        .OwnProperties = kProperties,
    });
    return cls;
  }
};
inline const TLogEventClass& TFailingEvent::StaticClass() { return Define(); }

// A proxy owning the test record classes.
class TTestProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TTestProxy)
  explicit TTestProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TAllKindsEvent::StaticClass());
    AddLogEventClass(TClickEvent::StaticClass());
    AddLogEventClass(TFailingEvent::StaticClass());
  }
};
inline const TLogEventProxyClass& TTestProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TTestProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TTestProxy>};
  return cls;
}
