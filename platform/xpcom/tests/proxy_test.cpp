// Event queues and synchronous proxies: calls carried to the UI thread, answers carried
// back, and calls carried into a waiting caller.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "nsCOMPtr.h"
#include "nsIEventQueueService.h"
#include "nsIProxyObjectManager.h"
#include "nsServiceManagerUtils.h"
#include "nsXPCOM.h"
#include "test_calculator.h"
#include "testbed/xpcom.h"
#include "xpcom_test_support.h"

namespace {

using xpcom_test::ServingThread;

class Proxies : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(xpcom::testbed::startXPCOM("", ""), NS_OK);
    manager = do_GetService(NS_XPCOMPROXY_CONTRACTID);
    queues = do_GetService(NS_EVENTQUEUESERVICE_CONTRACTID);
    ASSERT_NE(manager, nullptr);
    ASSERT_NE(queues, nullptr);
  }
  void TearDown() override {
    manager = nullptr;
    queues = nullptr;
    xpcom::testbed::shutdownXPCOM();
  }

  // A proxy made on a thread of its own, as the component's worker threads make them.
  // Making it asks the object on its thread, so this thread serves calls meanwhile.
  template <class Interface>
  nsCOMPtr<Interface> proxyFromAnotherThread(nsIEventQueue* queue, nsISupports* object, PRInt32 type) {
    nsCOMPtr<Interface> proxy;
    std::atomic<bool> done{false};
    std::thread maker([&] {
      manager->GetProxyForObject(queue, NS_GET_IID(Interface), object, type, getter_AddRefs(proxy));
      done = true;
    });
    while (!done.load()) xpcom::testbed::waitForPendingCalls(10);
    maker.join();
    return proxy;
  }

  // Starts a thread that makes an event queue of its own and then runs `body`; returns
  // once `queue` holds that queue.
  std::thread threadWithQueue(nsCOMPtr<nsIEventQueue>& queue, std::function<void()> body) {
    std::atomic<bool> haveQueue{false};
    std::thread thread([&, body = std::move(body)] {
      queues->CreateThreadEventQueue();
      queues->GetThreadEventQueue(NS_CURRENT_THREAD, getter_AddRefs(queue));
      haveQueue = true;  // the last touch of this frame's flag
      body();
    });
    while (!haveQueue.load()) std::this_thread::yield();
    return thread;
  }

  nsCOMPtr<nsIProxyObjectManager> manager;
  nsCOMPtr<nsIEventQueueService> queues;
};

TEST_F(Proxies, SyncProxyRunsOnTheUIThreadAndReturnsTheCalleesResult) {
  ServingThread ui(true);
  nsCOMPtr<nsIEventQueue> uiQueue;
  ASSERT_EQ(queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(uiQueue)), NS_OK);
  nsCOMPtr<Calculator> calculator = new Calculator();
  nsCOMPtr<testICalculator> proxy;
  ASSERT_EQ(manager->GetProxyForObject(uiQueue, NS_GET_IID(testICalculator), static_cast<testICalculator*>(calculator),
                                       PROXY_SYNC, getter_AddRefs(proxy)),
            NS_OK);
  ASSERT_NE(static_cast<void*>(proxy.get()), static_cast<void*>(static_cast<testICalculator*>(calculator)));
  PRInt32 sum = 0;
  EXPECT_EQ(proxy->Add(2, 3, &sum), NS_OK);
  EXPECT_EQ(sum, 5);  // the caller waited for the answer
  EXPECT_EQ(calculator->lastThread(), ui.id());
  EXPECT_EQ(proxy->Add(-5, 1, &sum), NS_ERROR_ILLEGAL_VALUE);  // the callee's own result
  EXPECT_EQ(proxy->Calls(), 2u);                               // not only nsresult methods
  EXPECT_GE(ui.wakes(), 3);                                    // the registered UI thread was woken
}

TEST_F(Proxies, ACallBackIntoTheWaitingCallerIsServed) {
  ServingThread ui(true);
  nsCOMPtr<Calculator> calculator = new Calculator();
  nsCOMPtr<Calculator> callerSide = new Calculator();
  nsCOMPtr<testICalculator> proxy;
  ASSERT_EQ(manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator),
                                       static_cast<testICalculator*>(calculator), PROXY_SYNC, getter_AddRefs(proxy)),
            NS_OK);
  // A proxy to this (the waiting) thread, which the UI thread calls while we wait.
  nsCOMPtr<nsIObserver> back;
  ASSERT_EQ(manager->GetProxyForObject(NS_CURRENT_EVENTQ, NS_GET_IID(nsIObserver),
                                       static_cast<nsIObserver*>(callerSide), PROXY_SYNC | PROXY_ALWAYS,
                                       getter_AddRefs(back)),
            NS_OK);
  EXPECT_EQ(proxy->CallBack(back), NS_OK);
  EXPECT_EQ(calculator->lastThread(), ui.id());
  EXPECT_EQ(callerSide->observedOn(), std::this_thread::get_id());
}

TEST_F(Proxies, OnTheDestinationThreadTheObjectIsUsedDirectlyUnlessAlways) {
  nsCOMPtr<Calculator> calculator = new Calculator();
  testICalculator* raw = calculator;
  // The thread that started XPCOM is the UI thread while none is registered.
  nsCOMPtr<testICalculator> direct;
  ASSERT_EQ(manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator), raw, PROXY_SYNC,
                                       getter_AddRefs(direct)),
            NS_OK);
  EXPECT_EQ(direct.get(), raw);
  nsCOMPtr<testICalculator> always;
  ASSERT_EQ(manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator), raw,
                                       PROXY_SYNC | PROXY_ALWAYS, getter_AddRefs(always)),
            NS_OK);
  EXPECT_NE(always.get(), raw);
  PRInt32 sum = 0;
  EXPECT_EQ(always->Add(20, 22, &sum), NS_OK);
  EXPECT_EQ(sum, 42);
  EXPECT_EQ(calculator->lastThread(), std::this_thread::get_id());

  // A proxy made elsewhere and called on its destination thread runs the call directly.
  nsCOMPtr<testICalculator> fromElsewhere = proxyFromAnotherThread<testICalculator>(NS_UI_THREAD_EVENTQ, raw, PROXY_SYNC);
  ASSERT_NE(fromElsewhere, nullptr);
  EXPECT_EQ(fromElsewhere->Add(1, 1, &sum), NS_OK);
  EXPECT_EQ(sum, 2);
}

TEST_F(Proxies, AProxyAnswersOtherInterfacesWithProxies) {
  ServingThread ui(true);
  nsCOMPtr<Calculator> calculator = new Calculator();
  nsCOMPtr<testICalculator> proxy;
  manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator),
                             static_cast<testICalculator*>(calculator), PROXY_SYNC, getter_AddRefs(proxy));
  ASSERT_NE(proxy, nullptr);
  nsCOMPtr<nsIObserver> observer = do_QueryInterface(proxy);
  ASSERT_NE(observer, nullptr);
  EXPECT_EQ(observer->Observe(nullptr, "topic", nullptr), NS_OK);
  EXPECT_EQ(calculator->observedOn(), ui.id());
  nsresult rv = NS_OK;
  nsCOMPtr<nsIEventQueue> notImplemented = do_QueryInterface(proxy, &rv);
  EXPECT_EQ(rv, NS_NOINTERFACE);
  nsCOMPtr<nsIEventQueue> noProxyClass;
  EXPECT_EQ(manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(nsIEventQueue),
                                       static_cast<testICalculator*>(calculator), PROXY_SYNC,
                                       getter_AddRefs(noProxyClass)),
            NS_NOINTERFACE);
  EXPECT_EQ(manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator),
                                       static_cast<testICalculator*>(calculator), PROXY_ASYNC, getter_AddRefs(proxy)),
            NS_ERROR_NOT_IMPLEMENTED);
}

TEST_F(Proxies, ACallToAThreadThatHasEndedFails) {
  nsCOMPtr<Calculator> calculator = new Calculator();
  nsCOMPtr<testICalculator> proxy;
  {
    ServingThread ui(true);
    manager->GetProxyForObject(NS_UI_THREAD_EVENTQ, NS_GET_IID(testICalculator),
                               static_cast<testICalculator*>(calculator), PROXY_SYNC, getter_AddRefs(proxy));
    ASSERT_NE(proxy, nullptr);
  }
  PRInt32 sum = 0;
  EXPECT_EQ(proxy->Add(1, 2, &sum), NS_ERROR_FAILURE);
  EXPECT_EQ(calculator->Calls(), 0u);
}

// Thread ids are handed on to new threads (glibc gives the next thread the id of the
// one that just ended), so a proxy must not take a new thread for its ended one.
TEST_F(Proxies, ACallFromANewThreadToOneThatHasEndedIsNotRunThere) {
  nsCOMPtr<Calculator> calculator = new Calculator();
  nsCOMPtr<nsIEventQueue> queue;
  std::atomic<bool> stop{false};
  std::thread owner = threadWithQueue(queue, [&] {
    while (!stop.load()) xpcom::testbed::waitForPendingCalls(5);
  });
  nsCOMPtr<testICalculator> proxy;
  manager->GetProxyForObject(queue, NS_GET_IID(testICalculator), static_cast<testICalculator*>(calculator),
                             PROXY_SYNC, getter_AddRefs(proxy));
  stop = true;
  owner.join();
  ASSERT_NE(proxy, nullptr);
  nsresult rv = NS_OK;
  std::thread later([&] {
    PRInt32 sum = 0;
    rv = proxy->Add(1, 2, &sum);
  });
  later.join();
  EXPECT_EQ(rv, NS_ERROR_FAILURE);
  EXPECT_EQ(calculator->Calls(), 0u);
  PRBool onIt = PR_TRUE;
  std::thread another([&] { queue->IsOnCurrentThread(&onIt); });
  another.join();
  EXPECT_FALSE(onIt);
}

void* PR_CALLBACK noteRun(PLEvent* event) {
  static_cast<std::atomic<int>*>(event->owner)->fetch_add(1);
  return event->owner;
}
void PR_CALLBACK destroyEvent(PLEvent* event) { delete event; }

TEST_F(Proxies, EventQueuesRunPostedEventsOnTheirThread) {
  nsCOMPtr<nsIEventQueue> current;
  EXPECT_EQ(queues->GetThreadEventQueue(NS_CURRENT_THREAD, getter_AddRefs(current)), NS_OK);  // made at start-up
  std::thread([&] {
    nsCOMPtr<nsIEventQueue> none;
    EXPECT_EQ(queues->GetSpecialEventQueue(nsIEventQueueService::CURRENT_THREAD_EVENT_QUEUE, getter_AddRefs(none)),
              NS_ERROR_NOT_AVAILABLE);
    EXPECT_EQ(queues->CreateThreadEventQueue(), NS_OK);
    EXPECT_EQ(queues->GetSpecialEventQueue(nsIEventQueueService::CURRENT_THREAD_EVENT_QUEUE, getter_AddRefs(none)),
              NS_OK);
  }).join();

  std::atomic<int> runs{0};
  nsCOMPtr<nsIEventQueue> uiQueue;
  {
    ServingThread ui(true);
    queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(uiQueue));
    PRBool onUI = PR_TRUE;
    uiQueue->IsOnCurrentThread(&onUI);
    EXPECT_FALSE(onUI);
    auto* event = new PLEvent;
    uiQueue->InitEvent(event, &runs, noteRun, destroyEvent);
    void* answer = nullptr;
    EXPECT_EQ(uiQueue->PostSynchronousEvent(event, &answer), NS_OK);
    EXPECT_EQ(answer, &runs);
    EXPECT_EQ(runs.load(), 1);
    delete event;  // the poster of a synchronous event destroys it
  }
  // Revoked events are destroyed without running; others wait for ProcessPendingEvents.
  std::atomic<int> other{0};
  auto* kept = new PLEvent;
  auto* revoked = new PLEvent;
  PL_InitEvent(kept, &runs, noteRun, destroyEvent);
  PL_InitEvent(revoked, &other, noteRun, destroyEvent);
  current->PostEvent(kept);
  current->PostEvent(revoked);
  PRBool pending = PR_FALSE;
  current->PendingEvents(&pending);
  EXPECT_TRUE(pending);
  current->RevokeEvents(&other);
  EXPECT_EQ(current->ProcessPendingEvents(), NS_OK);
  EXPECT_EQ(runs.load(), 2);
  EXPECT_EQ(other.load(), 0);
  // The ended UI thread's queue refuses events; the start-up thread is the UI thread again.
  auto* late = new PLEvent;
  PL_InitEvent(late, &runs, noteRun, destroyEvent);
  EXPECT_EQ(uiQueue->PostEvent(late), NS_ERROR_FAILURE);
  delete late;
  nsCOMPtr<nsIEventQueue> ui;
  queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(ui));
  EXPECT_EQ(ui, current);
}

TEST_F(Proxies, ASynchronousEventFailsWhenItsThreadEndsWithoutServingIt) {
  std::atomic<int> runs{0};
  nsCOMPtr<nsIEventQueue> queue;
  std::thread owner = threadWithQueue(queue, [&] {
    // Ends once the event is queued, without serving it.
    for (PRBool pending = PR_FALSE; !pending; std::this_thread::yield()) queue->PendingEvents(&pending);
  });
  auto* event = new PLEvent;
  PL_InitEvent(event, &runs, noteRun, destroyEvent);
  void* answer = nullptr;
  EXPECT_EQ(queue->PostSynchronousEvent(event, &answer), NS_ERROR_FAILURE);
  EXPECT_EQ(answer, nullptr);
  EXPECT_EQ(runs.load(), 0);
  delete event;
  owner.join();
  queue = nullptr;
}

TEST_F(Proxies, AnEventPostedAsAWaitForOneRunsOutIsServedByTheNextWait) {
  // Each round's event is posted around the time the first wait gives up: either that
  // wait serves it or the next one does, well before its own limit.
  nsCOMPtr<nsIEventQueue> current;
  ASSERT_EQ(queues->GetThreadEventQueue(NS_CURRENT_THREAD, getter_AddRefs(current)), NS_OK);
  std::atomic<int> runs{0};
  constexpr int kRounds = 100;
  for (int round = 0; round < kRounds; ++round) {
    std::thread poster([&, round] {
      std::this_thread::sleep_for(std::chrono::microseconds(20 * (round % 100)));
      auto* event = new PLEvent;
      PL_InitEvent(event, &runs, noteRun, destroyEvent);
      EXPECT_EQ(current->PostEvent(event), NS_OK);
    });
    int served = xpcom::testbed::waitForPendingCalls(100);  // 1 ms at the suite's time scale
    const auto start = std::chrono::steady_clock::now();
    if (served == 0) served = xpcom::testbed::waitForPendingCalls(500000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    poster.join();
    ASSERT_EQ(served, 1) << "round " << round;
  }
  EXPECT_EQ(runs.load(), kRounds);
}

TEST_F(Proxies, AnEventLoopServesUntilItsQueueStopsAccepting) {
  std::atomic<int> runs{0};
  nsCOMPtr<nsIEventQueue> loopQueue;
  std::thread loop = threadWithQueue(loopQueue, [&] {
    // Events taken one by one, as an embedder's own loop would.
    PLEvent* event = nullptr;
    loopQueue->WaitForEvent(&event);
    ASSERT_NE(event, nullptr);
    loopQueue->HandleEvent(event);
    loopQueue->EventLoop();
  });
  for (int i = 0; i < 3; ++i) {
    auto* event = new PLEvent;
    PL_InitEvent(event, &runs, noteRun, destroyEvent);
    EXPECT_EQ(loopQueue->PostEvent(event), NS_OK);
  }
  auto* last = new PLEvent;
  PL_InitEvent(last, &runs, noteRun, destroyEvent);
  void* answer = nullptr;
  EXPECT_EQ(loopQueue->PostSynchronousEvent(last, &answer), NS_OK);  // all before it ran too
  delete last;
  EXPECT_EQ(runs.load(), 4);
  loopQueue->StopAcceptingEvents();
  loop.join();
  auto* refused = new PLEvent;
  PL_InitEvent(refused, &runs, noteRun, destroyEvent);
  EXPECT_EQ(loopQueue->PostEvent(refused), NS_ERROR_FAILURE);
  delete refused;
}

}  // namespace
