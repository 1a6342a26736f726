// close_watch: an additional package that records every window the user closes (a WM_CLOSE sent
// to a window of the host thread) with the window's text. Loading the package registers its proxy,
// so its record class becomes known to writers and readers alike; unloading removes it.

#include "log/log_event.h"
#include "log/log_event_proxy.h"
#include "log/log_stream.h"
#include "platform/win32/windows.h"

namespace {

class TWindowCloseEvent : public TLogEvent {
  LOG_EVENT_CLASS(TWindowCloseEvent, TLogEvent)
  explicit TWindowCloseEvent(std::string windowText) : FWindowText(std::move(windowText)) {}
  std::string AsString() const override { return FWindowText; }

 private:
  std::string FWindowText;
};

const TLogEventClass& TWindowCloseEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TWindowCloseEvent::FWindowText>("WindowText"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TWindowCloseEvent>({
      .Name = "TWindowCloseEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .UIDefaults = TEventUIDefaults{0x00808000, false, true},  // teal, italic
  });
  return cls;
}

class TCloseWatchProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TCloseWatchProxy)
  explicit TCloseWatchProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TWindowCloseEvent::StaticClass());
  }

  void CallWndProcHook(int, WPARAM, LPARAM lParam) override {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent.message != WM_CLOSE || !LogStream) return;
    char text[256] = {};
    GetWindowTextA(sent.hwnd, text, sizeof text);
    LogStream->WriteEvent(std::make_unique<TWindowCloseEvent>(text));
  }
};

const TLogEventProxyClass& TCloseWatchProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TCloseWatchProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TCloseWatchProxy>};
  return cls;
}

__attribute__((constructor)) void InitializePackage() {
  TLogStream::RegisterProxyClass(TCloseWatchProxy::StaticClass());
}

__attribute__((destructor)) void FinalizePackage() {
  TLogStream::UnregisterProxyClass(TCloseWatchProxy::StaticClass());
}

}  // namespace
