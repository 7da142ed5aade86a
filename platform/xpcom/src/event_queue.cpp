#include "event_queue.h"

#include "builtin_services.h"

#include "nsIEventQueueService.h"
#include "prinrval.h"
#include "thread_record.h"

namespace xpcom::internal {
namespace {

CarriedCall callForEvent(PLEvent* event) {
  CarriedCall call;
  call.owner = event->owner;
  call.run = [event] {
    if (event->handler) event->handler(event);
    if (event->destructor) event->destructor(event);
  };
  call.discard = [event] {
    if (event->destructor) event->destructor(event);
  };
  return call;
}

// A queued call handed out as a PLEvent by GetEvent: handling it runs the call,
// destroying it frees it (and discards the call if it was never handled).
struct CallEvent {
  PLEvent event;  // first, so the PLEvent* is the CallEvent*
  CarriedCall call;
  bool handled = false;
};

void* handleCallEvent(PLEvent* self) {
  auto* wrapped = reinterpret_cast<CallEvent*>(self);
  wrapped->handled = true;
  wrapped->call.run();
  return nullptr;
}

void destroyCallEvent(PLEvent* self) {
  auto* wrapped = reinterpret_cast<CallEvent*>(self);
  if (!wrapped->handled && wrapped->call.discard) wrapped->call.discard();
  delete wrapped;
}

}  // namespace

NS_IMPL_THREADSAFE_ADDREF(EventQueue)
NS_IMPL_THREADSAFE_RELEASE(EventQueue)
NS_INTERFACE_MAP_BEGIN(EventQueue)
NS_INTERFACE_MAP_ENTRY(nsIEventQueue)
NS_INTERFACE_MAP_ENTRY(nsIEventTarget)
NS_INTERFACE_MAP_ENTRY(EventQueue)
NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsIEventQueue)
NS_INTERFACE_MAP_END

std::shared_ptr<Inbox> EventQueue::inbox() const {
  std::lock_guard lock(mMutex);
  return mInbox;
}

bool EventQueue::onOwnerThread() const { return isOwnerThread(*inbox()); }

NS_IMETHODIMP EventQueue::PostEvent(PLEvent* aEvent) {
  if (!aEvent) return NS_ERROR_NULL_POINTER;
  return post(*inbox(), callForEvent(aEvent)) ? NS_OK : NS_ERROR_FAILURE;
}

NS_IMETHODIMP EventQueue::IsOnCurrentThread(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = onOwnerThread() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::InitEvent(PLEvent* aEvent, void* owner, PLHandleEventProc handler,
                                    PLDestroyEventProc destructor) {
  if (!aEvent) return NS_ERROR_NULL_POINTER;
  PL_InitEvent(aEvent, owner, handler, destructor);
  return NS_OK;
}

// Runs the handler on the queue's thread and waits; the poster destroys the event
// afterwards, as with PL_PostSynchronousEvent.
NS_IMETHODIMP EventQueue::PostSynchronousEvent(PLEvent* aEvent, void** aResult) {
  if (!aEvent) return NS_ERROR_NULL_POINTER;
  void* result = nullptr;
  if (onOwnerThread()) {
    if (aEvent->handler) result = aEvent->handler(aEvent);
  } else if (!callAndWait(*inbox(), [&] {
               if (aEvent->handler) result = aEvent->handler(aEvent);
             })) {
    return NS_ERROR_FAILURE;
  }
  if (aResult) *aResult = result;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::PendingEvents(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = hasCalls(*inbox()) ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::ProcessPendingEvents(void) {
  if (!onOwnerThread()) return NS_ERROR_FAILURE;
  serveOwn();
  return NS_OK;
}

// Serves the queue until StopAcceptingEvents and everything queued has run.
NS_IMETHODIMP EventQueue::EventLoop(void) {
  if (!onOwnerThread()) return NS_ERROR_FAILURE;
  for (;;) {
    serveOwn();
    const bool accepting = isAccepting(*inbox());
    if (!accepting && !hasCalls(*inbox())) return NS_OK;
    waitForCall(PR_INTERVAL_NO_TIMEOUT);
  }
}

NS_IMETHODIMP EventQueue::EventAvailable(PRBool& aResult) {
  aResult = hasCalls(*inbox()) ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::GetEvent(PLEvent** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!onOwnerThread()) return NS_ERROR_FAILURE;
  CarriedCall call;
  if (!takeOwn(call)) return NS_OK;
  auto* wrapped = new CallEvent{PLEvent{}, std::move(call)};
  PL_InitEvent(&wrapped->event, wrapped->call.owner, handleCallEvent, destroyCallEvent);
  *_retval = &wrapped->event;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::HandleEvent(PLEvent* aEvent) {
  if (!aEvent) return NS_ERROR_NULL_POINTER;
  if (aEvent->handler) aEvent->handler(aEvent);
  if (aEvent->destructor) aEvent->destructor(aEvent);
  return NS_OK;
}

NS_IMETHODIMP EventQueue::WaitForEvent(PLEvent** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!onOwnerThread()) return NS_ERROR_FAILURE;
  waitForCall(PR_INTERVAL_NO_TIMEOUT);
  return GetEvent(_retval);
}

// No file descriptor signals this queue.
NS_IMETHODIMP_(PRInt32) EventQueue::GetEventQueueSelectFD(void) { return -1; }

NS_IMETHODIMP EventQueue::Init(PRBool aNative) {
  std::lock_guard lock(mMutex);
  mInbox = currentInbox();
  mNative = aNative;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::InitFromPRThread(PRThread* thread, PRBool aNative) {
  if (thread == NS_UI_THREAD) {
    nsCOMPtr<nsIEventQueue> ui;
    const nsresult rv = getUIEventQueue(getter_AddRefs(ui));
    if (NS_FAILED(rv)) return rv;
    nsCOMPtr<EventQueue> queue = do_QueryInterface(ui);
    std::lock_guard lock(mMutex);
    mInbox = queue->inbox();
    mNative = aNative;
    return NS_OK;
  }
  PRThread* record = thread == NS_CURRENT_THREAD ? PR_GetCurrentThread() : thread;
  std::lock_guard lock(mMutex);
  mInbox = record->inbox;
  mNative = aNative;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::InitFromPLQueue(PLEventQueue*) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP EventQueue::EnterMonitor(void) {
  mMonitor.lock();
  return NS_OK;
}

NS_IMETHODIMP EventQueue::ExitMonitor(void) {
  mMonitor.unlock();
  return NS_OK;
}

NS_IMETHODIMP EventQueue::RevokeEvents(void* owner) {
  revoke(*inbox(), owner);
  return NS_OK;
}

NS_IMETHODIMP EventQueue::GetPLEventQueue(PLEventQueue**) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP EventQueue::IsQueueNative(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(mMutex);
  *_retval = mNative;
  return NS_OK;
}

NS_IMETHODIMP EventQueue::StopAcceptingEvents(void) {
  stopAccepting(*inbox());
  return NS_OK;
}

}  // namespace xpcom::internal
