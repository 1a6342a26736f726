// The capture proxy base: record classes and their switches.

#include "log/log_event_proxy.h"

#include "log/proxy_list.h"

namespace {

void* ClassObject(const TLogEventClass& cls) { return const_cast<TLogEventClass*>(&cls); }

const TLogEventClass* ClassAt(const TStringList& list, int index) {
  return static_cast<const TLogEventClass*>(list.GetObject(index));
}

}  // namespace

TLogEventProxy::TLogEventProxy(TLogStream* logStream) : LogStream(logStream) {}

const TLogEventProxyClass& TLogEventProxy::StaticClass() {
  static constexpr TLogEventProxyClass cls{"TLogEventProxy", nullptr,
                                           &ConstructProxy<TLogEventProxy>};
  return cls;
}

void TLogEventProxy::AddLogEventClass(const TLogEventClass& cls) {
  if (GetLogEventClass(cls.ClassName())) return;
  EnabledClasses.AddObject(cls.ClassName(), ClassObject(cls));
  RegistryChanged();
}

void TLogEventProxy::AddEventImages(TCustomImageList&) {}

bool TLogEventProxy::GetEventImageIndex(const TLogEvent&, int32_t&) { return false; }

void TLogEventProxy::WndProc(TMessage&) {}

bool TLogEventProxy::HasClassName(std::string_view name) const {
  return EnabledClasses.IndexOf(name) >= 0 || DisabledClasses.IndexOf(name) >= 0;
}

const TLogEventClass* TLogEventProxy::GetLogEventClass(std::string_view name) const {
  if (int i = EnabledClasses.IndexOf(name); i >= 0) return ClassAt(EnabledClasses, i);
  if (int i = DisabledClasses.IndexOf(name); i >= 0) return ClassAt(DisabledClasses, i);
  return nullptr;
}

void TLogEventProxy::CBTHook(int, WPARAM, LPARAM) {}
void TLogEventProxy::KeyboardHook(int, WPARAM, LPARAM) {}
void TLogEventProxy::MouseHook(int, WPARAM, LPARAM) {}
void TLogEventProxy::CallWndProcHook(int, WPARAM, LPARAM) {}
void TLogEventProxy::GetMessageHook(int, WPARAM, LPARAM) {}

bool TLogEventProxy::GetEventEnabled(std::string_view name) const {
  return Enabled() && EnabledClasses.IndexOf(name) >= 0;
}

void TLogEventProxy::SetEventEnabled(std::string_view name, bool enable) {
  TStringList& source = enable ? DisabledClasses : EnabledClasses;
  TStringList& target = enable ? EnabledClasses : DisabledClasses;
  const int index = source.IndexOf(name);
  if (index < 0) return;
  target.AddObject(source.Get(index), source.GetObject(index));
  source.Delete(index);
}
