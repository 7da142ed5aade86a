// nsIEventQueueService and the UI thread's registration.
#include <mutex>

#include "builtin_services.h"
#include "event_queue.h"
#include "nsIEventQueueService.h"
#include "simple_factory.h"
#include "testbed/xpcom.h"
#include "thread_record.h"
#include "time_scale.h"

namespace xpcom::internal {
namespace {

std::mutex gUIMutex;
nsCOMPtr<nsIEventQueue> gRegisteredUIQueue;  // registered by the Gecko stand-in or a test
nsCOMPtr<nsIEventQueue> gStartupUIQueue;     // the thread that started XPCOM

nsresult queueOf(PRThread& record, bool create, nsIEventQueue** result) {
  std::lock_guard lock(record.mutex);
  if (!record.queue) {
    if (!create) return NS_ERROR_NOT_AVAILABLE;
    record.queue = new EventQueue(record.inbox);
  }
  *result = record.queue;
  (*result)->AddRef();
  return NS_OK;
}

class EventQueueService final : public nsIEventQueueService {
 public:
  NS_DECL_ISUPPORTS

  NS_IMETHOD CreateThreadEventQueue(void) override {
    nsCOMPtr<nsIEventQueue> queue;
    return queueOf(currentThreadRecord(), true, getter_AddRefs(queue));
  }
  NS_IMETHOD CreateMonitoredThreadEventQueue(void) override { return CreateThreadEventQueue(); }
  // Forgets the calling thread's queue object; calls already queued stay with the thread.
  NS_IMETHOD DestroyThreadEventQueue(void) override {
    nsCOMPtr<nsIEventQueue> queue;
    PRThread& record = currentThreadRecord();
    std::lock_guard lock(record.mutex);
    queue.swap(record.queue);
    return queue ? NS_OK : NS_ERROR_NOT_AVAILABLE;
  }
  NS_IMETHOD CreateFromIThread(nsIThread* aThread, PRBool, nsIEventQueue** _retval) override {
    if (!aThread || !_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    PRThread* thread = nullptr;
    const nsresult rv = aThread->GetPRThread(&thread);
    if (NS_FAILED(rv)) return rv;
    return queueOf(*thread, true, _retval);
  }
  NS_IMETHOD CreateFromPLEventQueue(PLEventQueue*, nsIEventQueue**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD PushThreadEventQueue(nsIEventQueue**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD PopThreadEventQueue(nsIEventQueue*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD GetThreadEventQueue(PRThread* aThread, nsIEventQueue** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    if (aThread == NS_UI_THREAD) return getUIEventQueue(_retval);
    PRThread* thread = aThread == NS_CURRENT_THREAD ? &currentThreadRecord() : aThread;
    return queueOf(*thread, false, _retval);
  }
  NS_IMETHOD ResolveEventQueue(nsIEventQueue* queueOrConstant, nsIEventQueue** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    if (queueOrConstant == NS_CURRENT_EVENTQ) return GetThreadEventQueue(NS_CURRENT_THREAD, _retval);
    if (queueOrConstant == NS_UI_THREAD_EVENTQ) return getUIEventQueue(_retval);
    *_retval = queueOrConstant;
    queueOrConstant->AddRef();
    return NS_OK;
  }
  NS_IMETHOD GetSpecialEventQueue(PRInt32 aQueue, nsIEventQueue** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    if (aQueue == CURRENT_THREAD_EVENT_QUEUE) return GetThreadEventQueue(NS_CURRENT_THREAD, _retval);
    if (aQueue == UI_THREAD_EVENT_QUEUE) return getUIEventQueue(_retval);
    return NS_ERROR_ILLEGAL_VALUE;
  }

 private:
  ~EventQueueService() = default;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(EventQueueService, nsIEventQueueService)

}  // namespace

already_AddRefed<nsIFactory> newEventQueueServiceFactory() {
  return newSimpleFactory([]() -> nsCOMPtr<nsISupports> {
    nsIEventQueueService* service = new EventQueueService();
    return nsCOMPtr<nsISupports>(service);
  });
}

nsresult ensureCurrentEventQueue(nsIEventQueue** result) { return queueOf(currentThreadRecord(), true, result); }

void setStartupUIThread() {
  nsCOMPtr<nsIEventQueue> queue;
  ensureCurrentEventQueue(getter_AddRefs(queue));
  std::lock_guard lock(gUIMutex);
  gStartupUIQueue = queue;
}

void clearStartupUIThread() {
  nsCOMPtr<nsIEventQueue> queue;
  std::lock_guard lock(gUIMutex);
  queue.swap(gStartupUIQueue);
}

nsresult getUIEventQueue(nsIEventQueue** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(gUIMutex);
  nsIEventQueue* queue = gRegisteredUIQueue ? gRegisteredUIQueue.get() : gStartupUIQueue.get();
  *result = queue;
  if (!queue) return NS_ERROR_NOT_AVAILABLE;
  queue->AddRef();
  return NS_OK;
}

nsresult destinationOf(nsIEventQueue* queueOrConstant, proxy::Destination& out) {
  nsCOMPtr<nsIEventQueue> resolved;
  if (queueOrConstant == NS_CURRENT_EVENTQ) {
    out = proxy::Destination(currentInbox());
    return NS_OK;
  }
  if (queueOrConstant == NS_UI_THREAD_EVENTQ) {
    const nsresult rv = getUIEventQueue(getter_AddRefs(resolved));
    if (NS_FAILED(rv)) return rv;
    queueOrConstant = resolved;
  }
  nsCOMPtr<EventQueue> queue = do_QueryInterface(queueOrConstant);
  if (!queue) return NS_ERROR_INVALID_ARG;
  out = proxy::Destination(queue->inbox());
  return NS_OK;
}

}  // namespace xpcom::internal

namespace xpcom::testbed {

nsresult registerUIThread(std::function<void()> wake) {
  nsCOMPtr<nsIEventQueue> queue;
  const nsresult rv = internal::ensureCurrentEventQueue(getter_AddRefs(queue));
  if (NS_FAILED(rv)) return rv;
  internal::setWakeHook(*internal::currentInbox(), std::move(wake));
  std::lock_guard lock(internal::gUIMutex);
  internal::gRegisteredUIQueue = queue;
  return NS_OK;
}

void unregisterUIThread() {
  nsCOMPtr<nsIEventQueue> queue;
  std::lock_guard lock(internal::gUIMutex);
  nsCOMPtr<internal::EventQueue> registered = do_QueryInterface(internal::gRegisteredUIQueue);
  if (!registered || registered->inbox() != internal::currentInbox()) return;
  internal::setWakeHook(*internal::currentInbox(), nullptr);
  queue.swap(internal::gRegisteredUIQueue);
}

int servePendingCalls() { return internal::serveOwn(); }

int waitForPendingCalls(PRUint32 milliseconds) {
  internal::waitForCall(internal::scaledMilliseconds(milliseconds));
  return internal::serveOwn();
}

}  // namespace xpcom::testbed
