// PRThread: what this library knows of a thread, one per thread for the thread's life.
#pragma once

#include <memory>
#include <mutex>

#include "hand_over.h"
#include "nsCOMPtr.h"
#include "nsIEventQueue.h"
#include "nsIThread.h"

struct PRThread {
  std::shared_ptr<xpcom::internal::Inbox> inbox;
  std::mutex mutex;
  // The queue made by CreateThreadEventQueue (or for the UI thread), guarded by mutex.
  nsCOMPtr<nsIEventQueue> queue;
  // The nsIThread answering for a thread not started by NS_NewThread, made on demand.
  nsCOMPtr<nsIThread> adopted;
  // The nsIThread of a thread started by NS_NewThread (not owning: it owns the thread).
  nsIThread* started = nullptr;
};

namespace xpcom::internal {
// The calling thread's record.
PRThread& currentThreadRecord();
// Tells the nsIThread made for a thread not started here that its record is gone, so
// that it no longer hands the record out.
void noteAdoptedThreadEnded(nsIThread* adopted);
}  // namespace xpcom::internal
