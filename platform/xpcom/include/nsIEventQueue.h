// nsIEventQueue (Gecko 1.7 nsIEventQueue.idl): the queue of a thread. Events posted to
// it run on that thread when it processes its queue, and also while that thread waits
// for a synchronous call of its own (so calls carried back into it are served).
// What this platform does not model answers NS_ERROR_NOT_IMPLEMENTED: the PLEventQueue
// forms (InitFromPLQueue, GetPLEventQueue).
#pragma once

#include "nsIEventTarget.h"
#include "prthread.h"

#define NS_IEVENTQUEUE_IID \
  { 0x176afb41, 0x00a4, 0x11d3, { 0x9f, 0x2a, 0x00, 0x40, 0x05, 0x53, 0xee, 0xf0 } }

class NS_NO_VTABLE nsIEventQueue : public nsIEventTarget {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IEVENTQUEUE_IID)
  NS_IMETHOD InitEvent(PLEvent* aEvent, void* owner, PLHandleEventProc handler, PLDestroyEventProc destructor) = 0;
  NS_IMETHOD PostSynchronousEvent(PLEvent* aEvent, void** aResult) = 0;
  NS_IMETHOD PendingEvents(PRBool* _retval) = 0;
  NS_IMETHOD ProcessPendingEvents(void) = 0;
  NS_IMETHOD EventLoop(void) = 0;
  NS_IMETHOD EventAvailable(PRBool& aResult) = 0;
  NS_IMETHOD GetEvent(PLEvent** _retval) = 0;
  NS_IMETHOD HandleEvent(PLEvent* aEvent) = 0;
  NS_IMETHOD WaitForEvent(PLEvent** _retval) = 0;
  NS_IMETHOD_(PRInt32) GetEventQueueSelectFD(void) = 0;
  NS_IMETHOD Init(PRBool aNative) = 0;
  NS_IMETHOD InitFromPRThread(PRThread* thread, PRBool aNative) = 0;
  NS_IMETHOD InitFromPLQueue(PLEventQueue* aQueue) = 0;
  NS_IMETHOD EnterMonitor(void) = 0;
  NS_IMETHOD ExitMonitor(void) = 0;
  NS_IMETHOD RevokeEvents(void* owner) = 0;
  NS_IMETHOD GetPLEventQueue(PLEventQueue** _retval) = 0;
  NS_IMETHOD IsQueueNative(PRBool* _retval) = 0;
  NS_IMETHOD StopAcceptingEvents(void) = 0;

 protected:
  ~nsIEventQueue() = default;
};
