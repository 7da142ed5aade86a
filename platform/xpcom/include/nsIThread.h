// nsIThread and NS_NewThread (Gecko 1.7 nsIThread.idl).
// Priority and scope are kept and reported; the threads all run at the process's
// normal priority (raising it needs privileges a test bed does not have).
#pragma once

#include "nsIRunnable.h"
#include "nsISupports.h"
#include "prthread.h"

#define NS_THREAD_CONTRACTID "@mozilla.org/thread;1"

#define NS_ITHREAD_IID \
  { 0x6be5e380, 0x6886, 0x11d3, { 0x93, 0x82, 0x00, 0x10, 0x4b, 0xa0, 0xfd, 0x40 } }

class NS_NO_VTABLE nsIThread : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ITHREAD_IID)
  enum { PRIORITY_LOW = 0U, PRIORITY_NORMAL = 1U, PRIORITY_HIGH = 2U, PRIORITY_URGENT = 3U };
  enum { SCOPE_LOCAL = 0U, SCOPE_GLOBAL = 1U, SCOPE_BOUND = 2U };
  enum { STATE_JOINABLE = 0U, STATE_UNJOINABLE = 1U };

  NS_IMETHOD Join(void) = 0;
  NS_IMETHOD Interrupt(void) = 0;
  NS_IMETHOD GetPriority(PRThreadPriority* aPriority) = 0;
  NS_IMETHOD SetPriority(PRThreadPriority aPriority) = 0;
  NS_IMETHOD GetScope(PRThreadScope* aScope) = 0;
  NS_IMETHOD GetState(PRThreadState* aState) = 0;
  NS_IMETHOD GetPRThread(PRThread** _retval) = 0;
  NS_IMETHOD Init(nsIRunnable* aRunnable, PRUint32 aStackSize, PRThreadPriority aPriority, PRThreadScope aScope,
                  PRThreadState aState) = 0;
  NS_IMETHOD GetCurrentThread(nsIThread** aCurrentThread) = 0;
  NS_IMETHOD Sleep(PRUint32 msec) = 0;

  // The calling thread's nsIThread (made on first use for a thread not started here).
  static NS_COM nsresult GetCurrent(nsIThread** result);

 protected:
  ~nsIThread() = default;
};

// Starts `runnable` on a new thread, which holds a reference to it (and to the thread
// object) until Run returns. A joinable thread is ended with Join; an unjoinable one
// ends by itself.
extern NS_COM nsresult NS_NewThread(nsIThread** result, nsIRunnable* runnable, PRUint32 stackSize = 0,
                                    PRThreadState state = PR_UNJOINABLE_THREAD,
                                    PRThreadPriority priority = PR_PRIORITY_NORMAL,
                                    PRThreadScope scope = PR_GLOBAL_THREAD);
