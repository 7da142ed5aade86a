// nsIEventQueueService (Gecko 1.7 nsIEventQueueService.idl). Each thread has one queue
// here; PushThreadEventQueue/PopThreadEventQueue and the PLEventQueue form are not
// modelled (NS_ERROR_NOT_IMPLEMENTED).
#pragma once

#include "nsIEventQueue.h"
#include "nsIThread.h"

#define NS_EVENTQUEUESERVICE_CID \
  { 0xbe761f00, 0xa3b0, 0x11d2, { 0x99, 0x6c, 0x00, 0x80, 0xc7, 0xcb, 0x10, 0x80 } }
#define NS_EVENTQUEUESERVICE_CONTRACTID "@mozilla.org/event-queue-service;1"

#define NS_CURRENT_THREAD ((PRThread*)0)
#define NS_CURRENT_EVENTQ ((nsIEventQueue*)0)
#define NS_UI_THREAD ((PRThread*)1)
#define NS_UI_THREAD_EVENTQ ((nsIEventQueue*)1)

#define NS_IEVENTQUEUESERVICE_IID \
  { 0xa6cf90dc, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIEventQueueService : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IEVENTQUEUESERVICE_IID)
  enum { CURRENT_THREAD_EVENT_QUEUE = 0, UI_THREAD_EVENT_QUEUE = 1 };

  NS_IMETHOD CreateThreadEventQueue(void) = 0;
  NS_IMETHOD CreateMonitoredThreadEventQueue(void) = 0;
  NS_IMETHOD DestroyThreadEventQueue(void) = 0;
  NS_IMETHOD CreateFromIThread(nsIThread* aThread, PRBool aNative, nsIEventQueue** _retval) = 0;
  NS_IMETHOD CreateFromPLEventQueue(PLEventQueue* aPLEventQueue, nsIEventQueue** _retval) = 0;
  NS_IMETHOD PushThreadEventQueue(nsIEventQueue** _retval) = 0;
  NS_IMETHOD PopThreadEventQueue(nsIEventQueue* aQueue) = 0;
  NS_IMETHOD GetThreadEventQueue(PRThread* aThread, nsIEventQueue** _retval) = 0;
  NS_IMETHOD ResolveEventQueue(nsIEventQueue* queueOrConstant, nsIEventQueue** _retval) = 0;
  NS_IMETHOD GetSpecialEventQueue(PRInt32 aQueue, nsIEventQueue** _retval) = 0;

 protected:
  ~nsIEventQueueService() = default;
};
