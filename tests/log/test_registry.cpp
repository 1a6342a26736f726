// The registry of record classes over the proxy list, with test proxies.

#include <gtest/gtest.h>

#include "log/builtin_events.h"
#include "log/proxy_list.h"
#include "tests/support/log_fixture.h"

namespace {

// A record class of a second family, drawn with an image of its own.
class TOtherEvent : public TLogEvent {
  LOG_EVENT_CLASS(TOtherEvent, TLogEvent)
  TOtherEvent() = default;
};
const TLogEventClass& TOtherEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TOtherEvent>({
      .Name = "TOtherEvent",
      .Parent = &TLogEvent::StaticClass(),
  });
  return cls;
}

class TOtherProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TOtherProxy)
  explicit TOtherProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TOtherEvent::StaticClass());
    AddLogEventClass(TSeparatorEvent::StaticClass());  // a proxy may claim a built-in name
  }
  void AddEventImages(TCustomImageList& images) override {
    FImage = images.AddMasked(TBitmap(16, 16, 0x00FF00), clOlive);
  }
  bool GetEventImageIndex(const TLogEvent& record, int32_t& index) override {
    if (!record.InheritsFrom(TOtherEvent::StaticClass())) return false;
    index = FImage;
    return true;
  }

 private:
  int FImage = -1;
};
const TLogEventProxyClass& TOtherProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TOtherProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TOtherProxy>};
  return cls;
}

// Derives from the test proxy, so unregistering the test proxy's class removes it too.
class TDerivedProxy : public TTestProxy {
  LOG_EVENT_PROXY_CLASS(TDerivedProxy)
  using TTestProxy::TTestProxy;
};
const TLogEventProxyClass& TDerivedProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TDerivedProxy", &TTestProxy::StaticClass(),
                                       &ConstructProxy<TDerivedProxy>};
  return cls;
}

std::vector<std::string> RegisteredEvents() {
  TStringList list;
  list.Add("replaced");
  TLogStream::GetRegisteredEvents(&list);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Get(i));
  return names;
}

const std::vector<std::string> kBuiltinListing = {
    "TExceptionEvent",    "TStartSessionEvent", "TUserMessageEvent", "TEnterSectionEvent",
    "TLeaveSectionEvent", "TUnregisteredEvent", "TStopSessionEvent", "TSeparatorEvent"};

class Registry : public LogFixture {};

TEST_F(Registry, WithoutProxiesOnlyTheBuiltInClassesAnswer) {
  EXPECT_EQ(RegisteredEvents(), kBuiltinListing);
  EXPECT_EQ(TLogStream::FindClassByName("TSeparatorEvent"), &TSeparatorEvent::StaticClass());
  EXPECT_EQ(TLogStream::FindClassByName("tseparatorevent"), nullptr);
  EXPECT_EQ(TLogStream::FindClassByName("TSectionEvent"), nullptr);
  EXPECT_EQ(TLogStream::FindClassByName(""), nullptr);
  EXPECT_TRUE(TLogStream::IsEventEnabled("TStringPoolAddEvent"));
  EXPECT_FALSE(TLogStream::IsEventEnabled("TClickEvent"));
  TLogStream::EnableEvent("TStartSessionEvent", false);
  EXPECT_TRUE(TLogStream::IsEventEnabled("TStartSessionEvent"));
}

TEST_F(Registry, ProxyClassesAreFoundIgnoringCase) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  EXPECT_EQ(TLogStream::FindClassByName("tclickevent"), &TClickEvent::StaticClass());
  EXPECT_TRUE(TLogStream::IsEventEnabled("TCLICKEVENT"));
  TLogStream::EnableEvent("tclickevent", false);
  EXPECT_FALSE(TLogStream::IsEventEnabled("TClickEvent"));
  // A switched-off class is still found.
  EXPECT_EQ(TLogStream::FindClassByName("TClickEvent"), &TClickEvent::StaticClass());
}

TEST_F(Registry, ListingGoesFromTheLastProxyWithUnloggedClassesLast) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogStream::RegisterProxyClass(TOtherProxy::StaticClass());
  TLogStream::EnableEvent("TAllKindsEvent", false);
  std::vector<std::string> expected = {"TOtherEvent", "TSeparatorEvent", "TClickEvent",
                                       "TFailingEvent", "TAllKindsEvent"};
  expected.insert(expected.end(), kBuiltinListing.begin(), kBuiltinListing.end());
  EXPECT_EQ(RegisteredEvents(), expected);

  // Switching a class back on moves it behind the classes that stayed on.
  TLogStream::EnableEvent("TAllKindsEvent", true);
  EXPECT_EQ(RegisteredEvents()[4], "TAllKindsEvent");
  EXPECT_EQ(RegisteredEvents()[2], "TClickEvent");

  TStringList appended;
  appended.Add("kept");
  ProxyList().GetRegisteredEvents(appended);
  EXPECT_EQ(appended.Get(0), "kept");
  EXPECT_EQ(appended.Count(), 1 + static_cast<int>(expected.size()));
}

TEST_F(Registry, TheLastProxyClaimingANameDecides) {
  TLogStream::RegisterProxyClass(TOtherProxy::StaticClass());
  // The proxy owns "TSeparatorEvent" now, so the switch reaches it.
  TLogStream::EnableEvent("TSeparatorEvent", false);
  EXPECT_FALSE(TLogStream::IsEventEnabled("TSeparatorEvent"));
  // Lookup asks the proxies first, so the proxy's class is returned.
  EXPECT_EQ(TLogStream::FindClassByName("TSeparatorEvent"), &TSeparatorEvent::StaticClass());
}

TEST_F(Registry, ProxyEnabledFollowsItsSwitchAndItsClasses) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogEventProxy& proxy = ProxyList().GetProxy(0);
  EXPECT_TRUE(proxy.Enabled());
  for (auto name : {"TAllKindsEvent", "TClickEvent", "TFailingEvent"}) {
    proxy.SetEventEnabled(name, false);
  }
  EXPECT_FALSE(proxy.Enabled());
  proxy.SetEventEnabled("TClickEvent", true);
  EXPECT_TRUE(proxy.Enabled());

  proxy.SetEnabled(false);
  EXPECT_FALSE(proxy.GetEventEnabled("TClickEvent"));
  EXPECT_FALSE(TLogStream::IsEventEnabled("TClickEvent"));
  proxy.SetEnabled(true);
  EXPECT_TRUE(proxy.GetEventEnabled("TClickEvent"));

  // The letter case stored when the class was added is kept when it moves.
  proxy.SetEventEnabled("tclickevent", false);
  EXPECT_EQ(proxy.DisabledClasses.Get(proxy.DisabledClasses.Count() - 1), "TClickEvent");
  proxy.SetEventEnabled("TNobody", true);
  EXPECT_FALSE(proxy.HasClassName("TNobody"));

  TLogEventProxy empty(nullptr);
  EXPECT_FALSE(empty.Enabled());
}

TEST_F(Registry, AClassNameIsAddedOnce) {
  TLogEventProxy proxy(nullptr);
  proxy.AddLogEventClass(TClickEvent::StaticClass());
  proxy.AddLogEventClass(TClickEvent::StaticClass());
  EXPECT_EQ(proxy.EnabledClasses.Count(), 1);
}

TEST_F(Registry, RegisteringTwiceGivesTwoProxiesAndUnregisteringRemovesDerivedOnes) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogStream::RegisterProxyClass(TOtherProxy::StaticClass());
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  EXPECT_EQ(TLogStream::RegisterProxyClass(TDerivedProxy::StaticClass()), 3);
  EXPECT_EQ(ProxyList().Count(), 4);

  TLogStream::UnregisterProxyClass(TTestProxy::StaticClass());
  ASSERT_EQ(ProxyList().Count(), 1);
  EXPECT_EQ(&ProxyList().GetProxy(0).ClassType(), &TOtherProxy::StaticClass());
  EXPECT_EQ(TLogStream::FindClassByName("TClickEvent"), nullptr);
}

TEST_F(Registry, ProxiesFollowTheOpenLog) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogStream log(Memory);
  ProxyList().SetLogStream(&log);
  EXPECT_EQ(ProxyList().GetProxy(0).LogStream, &log);
  TLogStream::RegisterProxyClass(TOtherProxy::StaticClass());
  EXPECT_EQ(ProxyList().GetProxy(1).LogStream, &log);
  ProxyList().SetLogStream(nullptr);
  EXPECT_EQ(ProxyList().GetProxy(0).LogStream, nullptr);
}

TEST_F(Registry, UnknownNamesBecomeUnregisteredRecords) {
  TLogStream stream(Memory);
  stream.WriteLongInt(0);  // an empty property block
  stream.SetPosition(0);
  auto record = ProxyList().CreateEventByName("TNoSuchEvent", stream);
  auto* unregistered = dynamic_cast<TUnregisteredEvent*>(record.get());
  ASSERT_NE(unregistered, nullptr);
  EXPECT_EQ(unregistered->EventClassName(), "TNoSuchEvent");
}

TEST_F(Registry, ImagesOfTheBuiltInClassesAndOfProxies) {
  TLogStream::RegisterProxyClass(TOtherProxy::StaticClass());
  TCustomImageList images;
  images.AddMasked(TBitmap(16, 16), clOlive);  // cleared first
  TLogStream::InitializeImageList(images);
  EXPECT_EQ(images.Count(), 10);

  EXPECT_EQ(TLogStream::GetEventImageIndex(TExceptionEvent(Exception("x"))), 2);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TStartSessionEvent("x")), 4);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TStopSessionEvent()), 4);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TUserMessageEvent("x")), 3);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TEnterSectionEvent("x")), 5);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TLeaveSectionEvent("x")), 6);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TSeparatorEvent()), -1);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TUnregisteredEvent(TFromStream{})), 1);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TOtherEvent()), 9);
  EXPECT_EQ(TLogStream::GetEventImageIndex(TClickEvent("a", "b", 1)), 0);
}

}  // namespace
