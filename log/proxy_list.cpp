// The registry of capture proxies and record classes.

#include "log/proxy_list.h"

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "platform/vcl/utility_window.h"

namespace {

TProxyList* gProxyList = nullptr;
uint64_t gRegistryGeneration = 1;

struct TBuiltinClass {
  const TLogEventClass& (*Class)();
  bool Listed;
};

// In lookup order; the listing order of the listed ones is kListingOrder.
const TBuiltinClass kBuiltinClasses[] = {
    {&TExceptionEvent::StaticClass, true},        {&TStringPoolAddEvent::StaticClass, false},
    {&TStringPoolPurgeEvent::StaticClass, false}, {&TStartSessionEvent::StaticClass, true},
    {&TStopSessionEvent::StaticClass, true},      {&TUserMessageEvent::StaticClass, true},
    {&TEnterSectionEvent::StaticClass, true},     {&TLeaveSectionEvent::StaticClass, true},
    {&TUnregisteredEvent::StaticClass, true},     {&TSeparatorEvent::StaticClass, true},
};

const TLogEventClass& (*const kListingOrder[])() = {
    &TExceptionEvent::StaticClass,    &TStartSessionEvent::StaticClass,
    &TUserMessageEvent::StaticClass,  &TEnterSectionEvent::StaticClass,
    &TLeaveSectionEvent::StaticClass, &TUnregisteredEvent::StaticClass,
    &TStopSessionEvent::StaticClass,  &TSeparatorEvent::StaticClass,
};

const TLogEventClass* FindBuiltinClass(std::string_view name) {
  for (const TBuiltinClass& builtin : kBuiltinClasses) {
    const TLogEventClass& cls = builtin.Class();
    if (cls.ClassName() == name) return &cls;
  }
  return nullptr;
}

}  // namespace

TProxyList::TProxyList(TLogStream* logStream) : FLogStream(logStream) {}

TProxyList::~TProxyList() {
  if (FHandle) DeallocateHWnd(FHandle);
  // First to last, as they were registered.
  for (auto& proxy : FProxies) proxy.reset();
}

HWND TProxyList::GetHandle() {
  if (!FHandle) FHandle = AllocateHWnd([this](TMessage& message) { WndProc(message); });
  return FHandle;
}

int TProxyList::RegisterProxyClass(const TLogEventProxyClass& proxyClass) {
  std::unique_ptr<TLogEventProxy> proxy = proxyClass.Create(FLogStream);
  proxy->Handle = GetHandle();
  FProxies.push_back(std::move(proxy));
  RegistryChanged();
  return Count() - 1;
}

void TProxyList::UnregisterProxyClass(const TLogEventProxyClass& proxyClass) {
  for (size_t i = FProxies.size(); i-- > 0;) {
    if (FProxies[i]->ClassType().InheritsFrom(proxyClass)) {
      FProxies[i].reset();
      FProxies.erase(FProxies.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  RegistryChanged();
}

void TProxyList::SetLogStream(TLogStream* logStream) {
  FLogStream = logStream;
  for (auto& proxy : FProxies) proxy->LogStream = logStream;
}

const TLogEventClass* TProxyList::FindClassByName(std::string_view name) const {
  for (const auto& proxy : FProxies) {
    if (const TLogEventClass* cls = proxy->GetLogEventClass(name)) return cls;
  }
  return FindBuiltinClass(name);
}

std::unique_ptr<TLogEvent> TProxyList::CreateEventByName(std::string_view name,
                                                         TLogStream& stream) const {
  return CreateEventOfClass(FindClassByName(name), name, stream);
}

void TProxyList::GetRegisteredEvents(TStrings& list) const {
  for (auto proxy = FProxies.rbegin(); proxy != FProxies.rend(); ++proxy) {
    list.AddStrings((*proxy)->EnabledClasses);
    list.AddStrings((*proxy)->DisabledClasses);
  }
  for (auto builtin : kListingOrder) list.Add(builtin().ClassName());
}

bool TProxyList::IsEventEnabled(std::string_view name) const {
  for (auto proxy = FProxies.rbegin(); proxy != FProxies.rend(); ++proxy) {
    if ((*proxy)->HasClassName(name)) return (*proxy)->GetEventEnabled(name);
  }
  return FindBuiltinClass(name) != nullptr;
}

void TProxyList::EnableEvent(std::string_view name, bool enable) {
  for (auto proxy = FProxies.rbegin(); proxy != FProxies.rend(); ++proxy) {
    if ((*proxy)->HasClassName(name)) {
      (*proxy)->SetEventEnabled(name, enable);
      return;
    }
  }
}

void TProxyList::AddEventImages(TCustomImageList& images) {
  for (auto proxy = FProxies.rbegin(); proxy != FProxies.rend(); ++proxy) {
    (*proxy)->AddEventImages(images);
  }
}

bool TProxyList::GetEventImageIndex(const TLogEvent& record, int32_t& index) const {
  for (auto proxy = FProxies.rbegin(); proxy != FProxies.rend(); ++proxy) {
    if ((*proxy)->GetEventImageIndex(record, index)) return true;
  }
  return false;
}

void TProxyList::ContainFailure() {
  // A proxy that fails must not take the host or the other proxies down with it; a record that
  // could not be written is still reported.
  try {
    throw;
  } catch (const std::exception& failure) {
    if (FLogStream) FLogStream->ReportCaptureFailure(failure);
  } catch (...) {
  }
}

void TProxyList::DispatchHook(THookMethod method, int code, WPARAM wParam, LPARAM lParam) {
  // A proxy may stop the log while it is called: the proxies after it then have nothing to
  // write to and are not called.
  for (size_t i = FProxies.size(); i-- > 0 && FLogStream;) {
    TLogEventProxy& proxy = *FProxies[i];
    if (!proxy.Enabled()) continue;
    try {
      (proxy.*method)(code, wParam, lParam);
    } catch (...) {
      ContainFailure();
    }
  }
}

void TProxyList::WndProc(TMessage& message) {
  for (size_t i = FProxies.size(); i-- > 0;) {
    TLogEventProxy& proxy = *FProxies[i];
    if (!proxy.Enabled()) continue;
    try {
      proxy.WndProc(message);
    } catch (...) {
      ContainFailure();
    }
  }
}

TProxyList& ProxyList() {
  if (!gProxyList) gProxyList = new TProxyList(LogStream());
  return *gProxyList;
}

bool ProxyListExists() { return gProxyList != nullptr; }

void DestroyProxyList() {
  delete gProxyList;
  gProxyList = nullptr;
  RegistryChanged();
}

uint64_t RegistryGeneration() { return gRegistryGeneration; }

void RegistryChanged() { ++gRegistryGeneration; }

std::unique_ptr<TLogEvent> CreateEventOfClass(const TLogEventClass* cls, std::string_view name,
                                              TLogStream& stream) {
  if (cls) return cls->CreateFromStream(stream);
  auto record = std::make_unique<TUnregisteredEvent>(TFromStream{});
  record->Read(stream);
  record->SetEventClassName(std::string(name));
  return record;
}
