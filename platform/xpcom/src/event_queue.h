// The event queue of a thread: a view of the thread's inbox (hand_over.h).
#pragma once

#include <memory>
#include <mutex>

#include "hand_over.h"
#include "nsIEventQueue.h"
#include "nsISupportsImpl.h"

namespace xpcom::internal {

#define XPCOM_IEVENTQUEUEIMPL_IID \
  { 0x8d3c0f9a, 0x61e2, 0x4b57, { 0xb0, 0x4e, 0x19, 0x7a, 0x3c, 0x58, 0xe2, 0x0d } }

class EventQueue final : public nsIEventQueue {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(XPCOM_IEVENTQUEUEIMPL_IID)
  NS_DECL_ISUPPORTS

  explicit EventQueue(std::shared_ptr<Inbox> inbox) : mInbox(std::move(inbox)) {}

  NS_IMETHOD PostEvent(PLEvent* aEvent) override;
  NS_IMETHOD IsOnCurrentThread(PRBool* _retval) override;
  NS_IMETHOD InitEvent(PLEvent* aEvent, void* owner, PLHandleEventProc handler, PLDestroyEventProc destructor) override;
  NS_IMETHOD PostSynchronousEvent(PLEvent* aEvent, void** aResult) override;
  NS_IMETHOD PendingEvents(PRBool* _retval) override;
  NS_IMETHOD ProcessPendingEvents(void) override;
  NS_IMETHOD EventLoop(void) override;
  NS_IMETHOD EventAvailable(PRBool& aResult) override;
  NS_IMETHOD GetEvent(PLEvent** _retval) override;
  NS_IMETHOD HandleEvent(PLEvent* aEvent) override;
  NS_IMETHOD WaitForEvent(PLEvent** _retval) override;
  NS_IMETHOD_(PRInt32) GetEventQueueSelectFD(void) override;
  NS_IMETHOD Init(PRBool aNative) override;
  NS_IMETHOD InitFromPRThread(PRThread* thread, PRBool aNative) override;
  NS_IMETHOD InitFromPLQueue(PLEventQueue* aQueue) override;
  NS_IMETHOD EnterMonitor(void) override;
  NS_IMETHOD ExitMonitor(void) override;
  NS_IMETHOD RevokeEvents(void* owner) override;
  NS_IMETHOD GetPLEventQueue(PLEventQueue** _retval) override;
  NS_IMETHOD IsQueueNative(PRBool* _retval) override;
  NS_IMETHOD StopAcceptingEvents(void) override;

  std::shared_ptr<Inbox> inbox() const;

 private:
  ~EventQueue() = default;
  bool onOwnerThread() const;

  mutable std::mutex mMutex;  // guards mInbox and mNative against Init on another thread
  std::shared_ptr<Inbox> mInbox;
  PRBool mNative = PR_FALSE;
  std::recursive_mutex mMonitor;
};

}  // namespace xpcom::internal
