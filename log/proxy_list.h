#pragma once
// The proxy list: the process-wide registry of capture proxies, one live proxy per registration.
// It answers for the whole library which record classes exist, which are logged, how a record of a
// class named in a log is created, and which image stands for a record. The built-in record
// classes belong to no proxy; the list answers for them itself.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "log/log_event_proxy.h"
#include "platform/classes.h"
#include "platform/graphics.h"
#include "platform/win32/win32_types.h"

class TLogStream;

class TProxyList {
 public:
  explicit TProxyList(TLogStream* logStream);
  ~TProxyList();
  TProxyList(const TProxyList&) = delete;
  TProxyList& operator=(const TProxyList&) = delete;

  int Count() const { return static_cast<int>(FProxies.size()); }
  TLogEventProxy& GetProxy(int index) const { return *FProxies.at(static_cast<size_t>(index)); }
  TLogStream* LogStream() const { return FLogStream; }
  // The hidden window shared by all proxies, created on first use: every message posted or sent
  // to it reaches every enabled proxy's WndProc.
  HWND GetHandle();

  // Creates one proxy of the class with the current log stream and appends it; returns its index.
  int RegisterProxyClass(const TLogEventProxyClass& proxyClass);
  // Destroys every proxy of that class or a class derived from it.
  void UnregisterProxyClass(const TLogEventProxyClass& proxyClass);
  void SetLogStream(TLogStream* logStream);

  // The class of that name: the proxies' classes first (letter case ignored), in registration
  // order, then the built-in classes (exact name); nullptr when nobody knows it.
  const TLogEventClass* FindClassByName(std::string_view name) const;
  // Reads a record of the named class from `stream`; an unknown name gives a TUnregisteredEvent
  // that keeps the name.
  std::unique_ptr<TLogEvent> CreateEventByName(std::string_view name, TLogStream& stream) const;
  // Appends the known class names: each proxy's logged then unlogged classes, last proxy first,
  // then the listed built-in classes.
  void GetRegisteredEvents(TStrings& list) const;
  bool IsEventEnabled(std::string_view name) const;
  void EnableEvent(std::string_view name, bool enable);
  void AddEventImages(TCustomImageList& images);
  bool GetEventImageIndex(const TLogEvent& record, int32_t& index) const;

  // Hands a hook call to every enabled proxy, last registered first, while the log is open. A
  // failure of one proxy is contained there: the others still see the call and the host goes on.
  using THookMethod = void (TLogEventProxy::*)(int code, WPARAM wParam, LPARAM lParam);
  void DispatchHook(THookMethod method, int code, WPARAM wParam, LPARAM lParam);
  // The hidden window's procedure: the message goes to every enabled proxy.
  void WndProc(TMessage& message);

 private:
  // Inside a catch block: ends the failure that escaped a proxy.
  void ContainFailure();

  std::vector<std::unique_ptr<TLogEventProxy>> FProxies;
  TLogStream* FLogStream;
  HWND FHandle = 0;
};

// The single proxy list, created on first use with the then-current log stream.
TProxyList& ProxyList();
// Whether the proxy list has been created.
bool ProxyListExists();
// Destroys the proxy list and its proxies (library unload).
void DestroyProxyList();

// Counts changes to which record classes exist, so that lookups may be cached between changes.
uint64_t RegistryGeneration();
void RegistryChanged();

// A record read from `stream` as an instance of `cls`, or, when `cls` is nullptr, as a
// TUnregisteredEvent that keeps `name`.
std::unique_ptr<TLogEvent> CreateEventOfClass(const TLogEventClass* cls, std::string_view name,
                                              TLogStream& stream);
