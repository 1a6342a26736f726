#pragma once
// TLogEventProxy, the base of capture proxies: a proxy stands for one family of controls, owns the
// record classes that family produces with an on/off switch for each, and receives the hook calls
// and hidden-window messages of the host thread. The base keeps the bookkeeping; the hook and
// window methods do nothing until a family overrides them.

#include <cstdint>
#include <memory>
#include <string_view>

#include "log/log_event.h"
#include "platform/classes.h"
#include "platform/graphics.h"
#include "platform/win32/win32_types.h"

class TLogEventProxy;
class TLogStream;

// A proxy class: its name, its parent and its virtual constructor.
struct TLogEventProxyClass {
  std::string_view Name;
  const TLogEventProxyClass* Parent;
  std::unique_ptr<TLogEventProxy> (*Create)(TLogStream* logStream);

  bool InheritsFrom(const TLogEventProxyClass& ancestor) const {
    for (const TLogEventProxyClass* cls = this; cls; cls = cls->Parent) {
      if (cls == &ancestor) return true;
    }
    return false;
  }
};

template <typename T>
std::unique_ptr<TLogEventProxy> ConstructProxy(TLogStream* logStream) {
  return std::make_unique<T>(logStream);
}

// Declares the class-reference members of a proxy class. The class's .cpp defines StaticClass:
//   const TLogEventProxyClass& TMyProxy::StaticClass() {
//     static const TLogEventProxyClass cls{"TMyProxy", &TLogEventProxy::StaticClass(),
//                                          &ConstructProxy<TMyProxy>};
//     return cls; }
#define LOG_EVENT_PROXY_CLASS(Class)               \
 public:                                           \
  static const TLogEventProxyClass& StaticClass(); \
  const TLogEventProxyClass& ClassType() const override { return StaticClass(); }

class TLogEventProxy {
 public:
  explicit TLogEventProxy(TLogStream* logStream);
  virtual ~TLogEventProxy() = default;
  TLogEventProxy(const TLogEventProxy&) = delete;
  TLogEventProxy& operator=(const TLogEventProxy&) = delete;

  static const TLogEventProxyClass& StaticClass();
  virtual const TLogEventProxyClass& ClassType() const { return StaticClass(); }

  // Adds a record class, logged; a name already held keeps its first class.
  virtual void AddLogEventClass(const TLogEventClass& cls);
  virtual void AddEventImages(TCustomImageList& images);
  // Sets `index` and answers true for records this proxy draws with its own image.
  virtual bool GetEventImageIndex(const TLogEvent& record, int32_t& index);
  virtual void WndProc(TMessage& message);
  virtual bool HasClassName(std::string_view name) const;
  virtual const TLogEventClass* GetLogEventClass(std::string_view name) const;

  // Hook calls with a code of 0 or above, the three values as the system passed them.
  virtual void CBTHook(int code, WPARAM wParam, LPARAM lParam);
  virtual void KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
  virtual void MouseHook(int code, WPARAM wParam, LPARAM lParam);
  virtual void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam);
  virtual void GetMessageHook(int code, WPARAM wParam, LPARAM lParam);

  // True only while the own switch is on and at least one class is logged.
  bool Enabled() const { return FEnabled && EnabledClasses.Count() > 0; }
  void SetEnabled(bool value) { FEnabled = value; }
  bool GetEventEnabled(std::string_view name) const;
  // Moves the class between the logged and the unlogged list; unknown names change nothing.
  void SetEventEnabled(std::string_view name, bool enable);

  // The proxy list's hidden window (0 inside the constructor).
  HWND Handle = 0;
  // The log currently open, or nullptr.
  TLogStream* LogStream;
  // Record classes by name, each line's object being its TLogEventClass.
  TStringList EnabledClasses;
  TStringList DisabledClasses;

 private:
  bool FEnabled = true;
};
