// A synchronous proxied call to the UI thread against the same call made directly.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "nsCOMPtr.h"
#include "nsIEventQueueService.h"
#include "nsIObserver.h"
#include "nsIProxyObjectManager.h"
#include "nsISupportsImpl.h"
#include "nsServiceManagerUtils.h"
#include "testbed/xpcom.h"

namespace {

class Counter final : public nsIObserver {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD Observe(nsISupports*, const char*, const PRUnichar*) override {
    ++mCalls;
    return NS_OK;
  }

 private:
  ~Counter() = default;
  PRUint32 mCalls = 0;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(Counter, nsIObserver)

// A UI thread that does nothing but serve the calls carried into it.
class UIThread {
 public:
  UIThread() {
    std::atomic<bool> ready{false};
    mThread = std::thread([this, &ready] {
      xpcom::testbed::registerUIThread();
      ready = true;
      while (!mStop.load()) xpcom::testbed::waitForPendingCalls(10);
      xpcom::testbed::unregisterUIThread();
    });
    while (!ready.load()) std::this_thread::yield();
  }
  ~UIThread() {
    mStop = true;
    mThread.join();
  }

 private:
  std::thread mThread;
  std::atomic<bool> mStop{false};
};

void BM_DirectCall(benchmark::State& state) {
  nsCOMPtr<nsIObserver> observer = new Counter();
  // Read through a volatile so the call stays a virtual call, as a caller elsewhere makes it.
  nsIObserver* volatile target = observer.get();
  for (auto _ : state) benchmark::DoNotOptimize(target->Observe(nullptr, "topic", nullptr));
}
BENCHMARK(BM_DirectCall);

void BM_SyncProxiedCallToUIThread(benchmark::State& state) {
  xpcom::testbed::startXPCOM("", "");
  {
    UIThread ui;
    nsCOMPtr<nsIObserver> observer = new Counter();
    nsCOMPtr<nsIProxyObjectManager> manager = do_GetService(NS_XPCOMPROXY_CONTRACTID);
    nsCOMPtr<nsIObserver> proxy;
    manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(nsIObserver), observer, PROXY_SYNC,
                               getter_AddRefs(proxy));
    for (auto _ : state) benchmark::DoNotOptimize(proxy->Observe(nullptr, "topic", nullptr));
  }
  xpcom::testbed::shutdownXPCOM();
}
BENCHMARK(BM_SyncProxiedCallToUIThread)->UseRealTime();

}  // namespace
