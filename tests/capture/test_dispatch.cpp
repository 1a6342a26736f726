// Hook calls and hidden-window messages reaching the proxies.

#include <gtest/gtest.h>

#include "tests/support/capture_fixture.h"

namespace {

LRESULT gBlockingAnswer = 0;
LRESULT BlockingHook(int, WPARAM, LPARAM) { return gBlockingAnswer; }

class Dispatch : public CaptureFixture {
 protected:
  void RegisterThree() {
    TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
    TLogStream::RegisterProxyClass(TRecordingProxy<1>::StaticClass());
    TLogStream::RegisterProxyClass(TRecordingProxy<2>::StaticClass());
  }
  std::vector<int> ProxiesCalled() const {
    std::vector<int> ids;
    for (const TJournalEntry& entry : Journal()) ids.push_back(entry.Proxy);
    return ids;
  }
};

TEST_F(Dispatch, EveryEnabledProxyIsCalledLastRegisteredFirst) {
  RegisterThree();
  ProxyList().GetProxy(1).SetEnabled(false);
  Start();
  CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0);
  EXPECT_EQ(ProxiesCalled(), (std::vector<int>{2, 0}));
}

TEST_F(Dispatch, AProxyWhoseClassesAreAllExcludedIsSkipped) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  TLogStream::RegisterProxyClass(TRecordingProxy<1>::StaticClass());
  ProxyList().GetProxy(1).SetEventEnabled("TProbeEvent", false);
  Start();
  CallHookChain(WH_CBT, HCBT_ACTIVATE, 0x123, 0);
  EXPECT_EQ(ProxiesCalled(), (std::vector<int>{0}));
}

TEST_F(Dispatch, EachHookKindReachesItsMethod) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  Start();
  CWPSTRUCT sent{0, 0, WM_USER, 0};
  MSG retrieved{};
  CallHookChain(WH_CBT, HCBT_MINMAX, 1, 0);
  CallHookChain(WH_KEYBOARD, HC_ACTION, 2, 0);
  CallHookChain(WH_MOUSE, HC_ACTION, 3, 0);
  CallHookChain(WH_CALLWNDPROC, HC_ACTION, 4, reinterpret_cast<LPARAM>(&sent));
  CallHookChain(WH_GETMESSAGE, HC_ACTION, 5, reinterpret_cast<LPARAM>(&retrieved));
  EXPECT_EQ(Journal(), (std::vector<TJournalEntry>{{0, "CBT", HCBT_MINMAX, 1, 0},
                                                   {0, "Keyboard", HC_ACTION, 2, 0},
                                                   {0, "Mouse", HC_ACTION, 3, 0},
                                                   {0, "CallWndProc", HC_ACTION, 4, WM_USER},
                                                   {0, "GetMessage", HC_ACTION, 5, 0}}));
}

TEST_F(Dispatch, NegativeCodesGoStraightDownTheChain) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  gBlockingAnswer = 42;
  const HHOOK blocking = SetWindowsHookExA(WH_CBT, &BlockingHook, 0, GetCurrentThreadId());
  Start();
  EXPECT_EQ(CallHookChain(WH_CBT, -1, 0, 0), 42);
  EXPECT_TRUE(Journal().empty());
  UnhookWindowsHookEx(blocking);
}

TEST_F(Dispatch, AHookThatBlocksAnActionIsStillObeyed) {
  gBlockingAnswer = 1;
  const HHOOK blocking = SetWindowsHookExA(WH_KEYBOARD, &BlockingHook, 0, GetCurrentThreadId());
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  Start();
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0), 1);
  EXPECT_EQ(ProxiesCalled(), (std::vector<int>{0}));  // seen, and still blocked
  UnhookWindowsHookEx(blocking);
}

TEST_F(Dispatch, NothingIsDispatchedWhileStopped) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  Start();
  StopEventLog();
  CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0);
  EXPECT_TRUE(Journal().empty());
}

TEST_F(Dispatch, PostedMessagesReachEveryEnabledProxysWndProc) {
  RegisterThree();
  ProxyList().GetProxy(0).SetEnabled(false);
  const HWND hidden = ProxyList().GetHandle();
  EXPECT_EQ(ProxyList().GetProxy(2).Handle, hidden);
  PostMessageA(hidden, 5220, 7, 0);
  EXPECT_TRUE(Journal().empty());  // not before the current message is done
  ProcessPendingMessages();
  EXPECT_EQ(Journal(),
            (std::vector<TJournalEntry>{{2, "WndProc", 0, 7, 5220}, {1, "WndProc", 0, 7, 5220}}));
}

// A proxy that fails on every call.
class TFailingProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TFailingProxy)
  explicit TFailingProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TProbeEvent::StaticClass());
  }
  void KeyboardHook(int, WPARAM, LPARAM) override { throw Exception("proxy failure"); }
  void WndProc(TMessage&) override { throw std::runtime_error("window failure"); }
};
const TLogEventProxyClass& TFailingProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TFailingProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TFailingProxy>};
  return cls;
}

TEST_F(Dispatch, AFailingProxyHarmsNeitherTheHostNorTheOthers) {
  gBlockingAnswer = 9;
  const HHOOK next = SetWindowsHookExA(WH_KEYBOARD, &BlockingHook, 0, GetCurrentThreadId());
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  TLogStream::RegisterProxyClass(TFailingProxy::StaticClass());
  Start();
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0), 9);
  EXPECT_EQ(ProxiesCalled(), (std::vector<int>{0}));

  PostMessageA(ProxyList().GetHandle(), 5221, 0, 0);
  EXPECT_NO_THROW(ProcessPendingMessages());
  EXPECT_EQ(Journal().back().What, "WndProc");
  UnhookWindowsHookEx(next);
}

// A proxy that stops the log when a key is pressed.
class TStoppingProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TStoppingProxy)
  explicit TStoppingProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TProbeEvent::StaticClass());
  }
  void KeyboardHook(int, WPARAM, LPARAM) override { StopEventLog(); }
};
const TLogEventProxyClass& TStoppingProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TStoppingProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TStoppingProxy>};
  return cls;
}

TEST_F(Dispatch, StoppingTheLogInsideAHookCallLetsTheChainGoOn) {
  gBlockingAnswer = 7;
  const HHOOK next = SetWindowsHookExA(WH_KEYBOARD, &BlockingHook, 0, GetCurrentThreadId());
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  TLogStream::RegisterProxyClass(TStoppingProxy::StaticClass());
  Start();
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0), 7);  // the next hook still ran
  EXPECT_FALSE(IsLogStarted());
  EXPECT_TRUE(Journal().empty());  // with the log gone, no proxy after the stopping one is called
  UnhookWindowsHookEx(next);
}

// A proxy that, on a call-window-procedure hook for WM_USER, sends WM_USER + 1 to the same window,
// causing a nested hook call, and writes a record at each level.
class TNestingProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TNestingProxy)
  explicit TNestingProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TProbeEvent::StaticClass());
  }
  void CallWndProcHook(int, WPARAM, LPARAM lParam) override {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_USER) {
      LogStream->WriteEvent(std::make_unique<TProbeEvent>("outer before"));
      SendMessageA(sent->hwnd, WM_USER + 1, 0, 0);
      LogStream->WriteEvent(std::make_unique<TProbeEvent>("outer after"));
    } else if (sent->message == WM_USER + 1) {
      LogStream->WriteEvent(std::make_unique<TProbeEvent>("inner"));
    }
  }
};
const TLogEventProxyClass& TNestingProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TNestingProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TNestingProxy>};
  return cls;
}

TEST_F(Dispatch, NestedHookCallsAreDispatchedAndLoggedInOrder) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  TLogStream::RegisterProxyClass(TNestingProxy::StaticClass());
  Start();
  SendMessageA(ProxyList().GetHandle(), WM_USER, 0, 0);
  StopEventLog();

  std::vector<std::string> texts;
  for (const auto& record : ReadLogFile(LogFile())) {
    if (record->ClassName() == "TProbeEvent") texts.push_back(record->AsString());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"outer before", "inner", "outer after"}));
  // The recording proxy, called after the nesting one, saw the inner call first.
  std::vector<UINT> seen;
  for (const TJournalEntry& entry : Journal()) {
    if (entry.What == "CallWndProc") seen.push_back(entry.Message);
  }
  EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 1, WM_USER}));
}

}  // namespace
