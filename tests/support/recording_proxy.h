#pragma once
// Proxies that write down every hook call and hidden-window message they receive, in one journal
// shared by all of them, so that tests can check who was called, with what, and in which order.

#include <string>
#include <vector>

#include "log/log_event.h"
#include "log/log_event_proxy.h"
#include "log/log_stream.h"
#include "platform/win32/windows.h"

struct TJournalEntry {
  int Proxy;         // which recording proxy
  std::string What;  // "CBT", "Keyboard", "Mouse", "CallWndProc", "GetMessage", "WndProc"
  int Code;
  WPARAM WParam;
  UINT Message;  // the message of a CallWndProc or WndProc entry
  bool operator==(const TJournalEntry&) const = default;
};

inline std::vector<TJournalEntry>& Journal() {
  static std::vector<TJournalEntry> journal;
  return journal;
}

// The record class the recording proxies own, so that they count as enabled.
class TProbeEvent : public TLogEvent {
  LOG_EVENT_CLASS(TProbeEvent, TLogEvent)
  explicit TProbeEvent(std::string text) : Text(std::move(text)) {}
  std::string Text;
  std::string AsString() const override { return Text; }
  static const TLogEventClass& Define() {
    static constexpr TPropInfo kProperties[] = {FieldProperty<&TProbeEvent::Text>("Text")};
    static const TLogEventClass& cls = DefineLogEventClass<TProbeEvent>({
        .Name = "TProbeEvent",
        .Parent = &TLogEvent::StaticClass(),
        .OwnProperties = kProperties,
    });
    return cls;
  }
};
inline const TLogEventClass& TProbeEvent::StaticClass() { return Define(); }

template <int Id>
class TRecordingProxy : public TLogEventProxy {
 public:
  explicit TRecordingProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TProbeEvent::StaticClass());
  }
  static const TLogEventProxyClass& StaticClass() {
    static constexpr std::string_view kNames[] = {"TRecordingProxy0", "TRecordingProxy1",
                                                  "TRecordingProxy2"};
    static const TLogEventProxyClass cls{kNames[Id], &TLogEventProxy::StaticClass(),
                                         &ConstructProxy<TRecordingProxy<Id>>};
    return cls;
  }
  const TLogEventProxyClass& ClassType() const override { return StaticClass(); }

  void CBTHook(int code, WPARAM wParam, LPARAM) override { Note("CBT", code, wParam, 0); }
  void KeyboardHook(int code, WPARAM wParam, LPARAM) override { Note("Keyboard", code, wParam, 0); }
  void MouseHook(int code, WPARAM wParam, LPARAM) override { Note("Mouse", code, wParam, 0); }
  void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) override {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    Note("CallWndProc", code, wParam, sent->message);
  }
  void GetMessageHook(int code, WPARAM wParam, LPARAM) override {
    Note("GetMessage", code, wParam, 0);
  }
  void WndProc(TMessage& message) override { Note("WndProc", 0, message.WParam, message.Msg); }

 private:
  void Note(const char* what, int code, WPARAM wParam, UINT message) {
    Journal().push_back({Id, what, code, wParam, message});
  }
};
