// What the library's own parts provide one another.
#pragma once

#include <string>

#include "nsCOMPtr.h"
#include "nsIEventQueue.h"
#include "nsIFactory.h"
#include "platform_internal/xpcom_proxy.h"

namespace xpcom::internal {

// Factories of the built-in classes (category manager, event queue service, proxy
// object manager, thread), registered by the component manager when XPCOM starts.
already_AddRefed<nsIFactory> newCategoryManagerFactory(const std::string& persistFile);
already_AddRefed<nsIFactory> newEventQueueServiceFactory();
already_AddRefed<nsIFactory> newProxyObjectManagerFactory();
// Threads made by contract ID, started with nsIThread::Init.
already_AddRefed<nsIFactory> newThreadFactory();

// The UI thread: the registered one, else the thread that started XPCOM.
void setStartupUIThread();
void clearStartupUIThread();
nsresult getUIEventQueue(nsIEventQueue** result);
// The calling thread's queue, made when missing.
nsresult ensureCurrentEventQueue(nsIEventQueue** result);
// The thread behind a queue or one of NS_CURRENT_EVENTQ / NS_UI_THREAD_EVENTQ.
nsresult destinationOf(nsIEventQueue* queueOrConstant, proxy::Destination& out);

}  // namespace xpcom::internal
