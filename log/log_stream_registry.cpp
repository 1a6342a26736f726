// The class-level registry operations of TLogStream: each reaches the proxy list.

#include "log/builtin_events.h"
#include "log/event_image_strip.h"
#include "log/log_stream.h"
#include "log/proxy_list.h"

int TLogStream::RegisterProxyClass(const TLogEventProxyClass& proxyClass) {
  return ProxyList().RegisterProxyClass(proxyClass);
}

void TLogStream::UnregisterProxyClass(const TLogEventProxyClass& proxyClass) {
  if (ProxyListExists()) ProxyList().UnregisterProxyClass(proxyClass);
}

const TLogEventClass* TLogStream::FindClassByName(std::string_view name) {
  return ProxyList().FindClassByName(name);
}

void TLogStream::GetRegisteredEvents(TStrings* list) {
  if (!list) return;
  list->Clear();
  ProxyList().GetRegisteredEvents(*list);
}

bool TLogStream::IsEventEnabled(std::string_view name) { return ProxyList().IsEventEnabled(name); }

void TLogStream::EnableEvent(std::string_view name, bool enable) {
  ProxyList().EnableEvent(name, enable);
}

void TLogStream::InitializeImageList(TCustomImageList& images) {
  images.Clear();
  images.AddMasked(BuiltinEventImageStrip(), clOlive);
  ProxyList().AddEventImages(images);
}

int32_t TLogStream::GetEventImageIndex(const TLogEvent& record) {
  struct TBuiltinImage {
    const TLogEventClass& (*Class)();
    int32_t Index;
  };
  // Tested in this order; a derived class takes its ancestor's image.
  static constexpr TBuiltinImage kImages[] = {
      {&TExceptionEvent::StaticClass, 2},    {&TUnregisteredEvent::StaticClass, 1},
      {&TStartSessionEvent::StaticClass, 4}, {&TStopSessionEvent::StaticClass, 4},
      {&TUserMessageEvent::StaticClass, 3},  {&TEnterSectionEvent::StaticClass, 5},
      {&TLeaveSectionEvent::StaticClass, 6}, {&TSeparatorEvent::StaticClass, -1},
  };
  for (const TBuiltinImage& image : kImages) {
    if (record.InheritsFrom(image.Class())) return image.Index;
  }
  int32_t index = -1;
  if (ProxyList().GetEventImageIndex(record, index)) return index;
  return 0;
}
