// The cost of one hook call through the engine's callback and the dispatcher when no proxy
// recognises it, with five families' worth of proxies registered and enabled.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench/bench_records.h"
#include "capture/engine.h"
#include "log/log_stream.h"
#include "platform/win32/windows.h"

namespace {

// A family that looks at every call-window-procedure message and recognises none of them.
class TIdleProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TIdleProxy)
  explicit TIdleProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TBenchClickEvent::StaticClass());
  }
  void CallWndProcHook(int, WPARAM, LPARAM lParam) override {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_COMMAND && sent->hwnd == Handle) ++Recognised;
  }
  int Recognised = 0;
};

const TLogEventProxyClass& TIdleProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TIdleProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TIdleProxy>};
  return cls;
}

void BM_HookCallNobodyRecognises(benchmark::State& state) {
  for (int i = 0; i < 5; ++i) TLogStream::RegisterProxyClass(TIdleProxy::StaticClass());
  char path[] = "/tmp/tracebook-bench-dispatch-XXXXXX";
  close(mkstemp(path));
  unlink(path);
  StartEventLog(path, "Bench");

  CWPSTRUCT sent{0, 0, WM_MOUSEMOVE, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        CallHookChain(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&sent)));
  }

  StopEventLog();
  unlink(path);
  TLogStream::UnregisterProxyClass(TIdleProxy::StaticClass());
}
BENCHMARK(BM_HookCallNobodyRecognises);

}  // namespace
